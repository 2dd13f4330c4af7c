#pragma once

#include "update/version_check_errors.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace meterly {

// A version as dotted decimal numbers, compared number by number ("2.10" is newer than "2.9",
// "2.1" equals "2.1.0").
class VersionNumber {
 public:
  // Two to four dotted numbers, nothing else; nullopt for any other text.
  static std::optional<VersionNumber> Parse(QStringView text);

  friend bool operator==(const VersionNumber& a, const VersionNumber& b) { return Compare(a, b) == 0; }
  friend bool operator<(const VersionNumber& a, const VersionNumber& b) { return Compare(a, b) < 0; }

 private:
  explicit VersionNumber(QList<quint32> parts) : parts_(std::move(parts)) {}
  static int Compare(const VersionNumber& a, const VersionNumber& b);

  QList<quint32> parts_;
};

// The running program's version as the user sees it, from its file version
// "major.minor.release.build": "major.minor.release", or "major.minor" when release is 0; the
// build number is never shown. A file version that is not such a text raises ECannotReadLocal.
QString LocalVersionText(const QString& fileVersion);

}  // namespace meterly
