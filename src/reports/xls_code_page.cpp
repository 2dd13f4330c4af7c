#include "reports/xls_code_page.h"

#include <QStringEncoder>

#include <algorithm>
#include <array>

namespace meterly {

namespace {

constexpr TXLSCodePage kUtf8{65001, "UTF-8"};
constexpr std::array<TXLSCodePage, 8> kCandidates{{{1252, "windows-1252"},
                                                   {936, "GBK"},
                                                   {950, "Big5"},
                                                   {932, "Shift_JIS"},
                                                   {949, "windows-949"},
                                                   {1251, "windows-1251"},
                                                   {1250, "windows-1250"},
                                                   {1253, "windows-1253"}}};

bool IsAscii(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// The bytes, or nothing when a character has no place in the code page.
std::optional<QByteArray> Encoded(const QString& text, const TXLSCodePage& codePage) {
  QStringEncoder encoder(codePage.Name);
  if (!encoder.isValid()) return std::nullopt;
  QByteArray bytes = encoder(text);
  if (encoder.hasError()) return std::nullopt;
  return bytes;
}

bool Holds(const TXLSCodePage& codePage, const QStringList& texts) {
  return std::all_of(texts.begin(), texts.end(),
                     [&](const QString& text) { return IsAscii(text) || Encoded(text, codePage).has_value(); });
}

QByteArray Bytes(const QString& text, const std::optional<TXLSCodePage>& codePage) {
  if (!codePage) return text.toLatin1();
  QStringEncoder encoder(codePage->Name);
  return encoder(text);
}

}  // namespace

std::optional<TXLSCodePage> CodePageFor(const QStringList& texts) {
  if (std::all_of(texts.begin(), texts.end(), IsAscii)) return std::nullopt;
  for (const TXLSCodePage& candidate : kCandidates) {
    if (Holds(candidate, texts)) return candidate;
  }
  return kUtf8;
}

QByteArray EncodedText(const QString& text, const std::optional<TXLSCodePage>& codePage, int maxBytes) {
  QByteArray bytes = Bytes(text, codePage);
  if (bytes.size() <= maxBytes) return bytes;
  // Every character takes at least one byte: no more than maxBytes of them fit.
  const QList<uint> points = text.toUcs4();
  for (qsizetype count = std::min<qsizetype>(points.size(), maxBytes); count > 0; --count) {
    bytes = Bytes(QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()), count), codePage);
    if (bytes.size() <= maxBytes) return bytes;
  }
  return {};
}

}  // namespace meterly
