#include "base/assertion.h"

namespace meterly {

namespace {

std::string Describe(const QString& message, const QString& unit, int line) {
  return QStringLiteral("%1 (%2, line %3)").arg(message, unit).arg(line).toStdString();
}

}  // namespace

EAssertionFailed::EAssertionFailed(QString message, QString unit, int line)
    : std::logic_error(Describe(message, unit, line)),
      message_(std::move(message)),
      unit_(std::move(unit)),
      line_(line) {}

void RaiseAssertion(const char* message, const char* unit, int line) {
  throw EAssertionFailed(QString::fromUtf8(message), QString::fromUtf8(unit), line);
}

}  // namespace meterly
