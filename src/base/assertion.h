#pragma once

#include <QString>

#include <stdexcept>
#include <string>

namespace meterly {

// An internal consistency check that failed. Checks stay active in release builds:
// a wrong value caught here is better than a wrong byte written to the usage record.
class EAssertionFailed : public std::logic_error {
 public:
  EAssertionFailed(QString message, QString unit, int line);

  const QString& message() const { return message_; }
  const QString& Unit() const { return unit_; }
  int Line() const { return line_; }

 private:
  QString message_;
  QString unit_;
  int line_;
};

[[noreturn]] void RaiseAssertion(const char* message, const char* unit, int line);

}  // namespace meterly

// METERLY_ASSERT(cond, "Unit", "message"): throws EAssertionFailed when cond is false.
#define METERLY_ASSERT(cond, unit, message)                          \
  do {                                                               \
    if (!(cond)) ::meterly::RaiseAssertion(message, unit, __LINE__); \
  } while (false)
