#include "app/meterly_application.h"

#include "app/problem_report.h"
#include "base/exception_message.h"

namespace meterly {

MeterlyApplication::MeterlyApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool MeterlyApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ShowError(ExceptionMessage(std::current_exception()));
    return false;
  }
}

void MeterlyApplication::ShowError(const QString& message) {
  // A fault that repeats every second must not stack up message boxes.
  if (showingError_) {
    ReportProblem(message, ProblemBox::None);
    return;
  }
  showingError_ = true;
  ReportProblem(message, ProblemBox::Waiting);
  showingError_ = false;
}

}  // namespace meterly
