#pragma once

#include <QLocale>
#include <QString>

namespace meterly {

// Texts as each export format needs them. Plain ASCII without special characters comes out
// unchanged.

// RTF: backslash and braces escaped, tabs and line breaks as control words, every other
// character outside printable ASCII as "\uN?" (UTF-16 units, signed).
QString RtfText(const QString& text);

// HTML: the markup characters as entities and every character outside ASCII as "&#N;", so the
// file reads the same whatever character set a reader assumes.
QString HtmlText(const QString& text);

// CSV: a value holding the separator, a double quote or a line break in double quotes, its
// quotes doubled; any other value as it is.
QString CsvValue(const QString& text, QChar separator);

// The list separator of the locale: ";" where numbers use a decimal comma, else ",".
QChar ListSeparator(const QLocale& locale);

// The number of characters (code points) of the text.
int CharacterCount(const QString& text);

}  // namespace meterly
