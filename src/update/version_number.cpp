#include "update/version_number.h"

#include <QCoreApplication>

#include <algorithm>

namespace meterly {

namespace {

constexpr int kMinParts = 2;
constexpr int kMaxParts = 4;

}  // namespace

std::optional<VersionNumber> VersionNumber::Parse(QStringView text) {
  const QList<QStringView> fields = text.split(u'.');
  if (fields.size() < kMinParts || fields.size() > kMaxParts) return std::nullopt;
  QList<quint32> parts;
  for (QStringView field : fields) {
    // Digits only: toUInt alone would also take signs and surrounding blanks.
    const bool digits =
        !field.isEmpty() && std::all_of(field.begin(), field.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    bool ok = false;
    const quint32 value = digits ? field.toUInt(&ok) : 0;
    if (!ok) return std::nullopt;
    parts.append(value);
  }
  return VersionNumber(std::move(parts));
}

int VersionNumber::Compare(const VersionNumber& a, const VersionNumber& b) {
  const qsizetype count = std::max(a.parts_.size(), b.parts_.size());
  for (qsizetype i = 0; i < count; ++i) {
    const quint32 left = a.parts_.value(i, 0);
    const quint32 right = b.parts_.value(i, 0);
    if (left != right) return left < right ? -1 : 1;
  }
  return 0;
}

QString LocalVersionText(const QString& fileVersion) {
  const QStringList fields = fileVersion.split(u'.');
  bool valid = fields.size() == kMaxParts && VersionNumber::Parse(fileVersion).has_value();
  for (const QString& field : fields) valid = valid && field.toUInt() <= 0xFFFF;
  if (!valid) {
    throw ECannotReadLocal(
        QCoreApplication::translate("VersionNumber", "The program's version \"%1\" is not readable.").arg(fileVersion));
  }
  const QString majorMinor = QString::number(fields[0].toUInt()) + u'.' + QString::number(fields[1].toUInt());
  const uint release = fields[2].toUInt();
  return release == 0 ? majorMinor : majorMinor + u'.' + QString::number(release);
}

}  // namespace meterly
