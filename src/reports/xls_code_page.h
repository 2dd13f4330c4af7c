#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace meterly {

// The 8-bit character set of a worksheet's texts, named by its Windows code page number.
struct TXLSCodePage {
  quint16 Number = 0;
  const char* Name = nullptr;  // the converter's name

  friend bool operator==(const TXLSCodePage& a, const TXLSCodePage& b) { return a.Number == b.Number; }
};

// The first code page of a short list of common ones (Western, simplified and traditional
// Chinese, Japanese, Korean, Cyrillic, Central European, Greek) that holds every text; UTF-8
// (65001) when none does. Nothing when every text is plain ASCII: such a worksheet names no code
// page.
std::optional<TXLSCodePage> CodePageFor(const QStringList& texts);

// The text in the code page (plain ASCII without one), cut to at most maxBytes on a character
// boundary.
QByteArray EncodedText(const QString& text, const std::optional<TXLSCodePage>& codePage, int maxBytes);

}  // namespace meterly
