#include "app/meterly_application.h"

#include "base/exception_message.h"

#include <QMessageBox>

#include <cstdio>

namespace meterly {

MeterlyApplication::MeterlyApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool MeterlyApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    showError(ExceptionMessage(std::current_exception()));
    return false;
  }
}

void MeterlyApplication::showError(const QString& message) {
  std::fprintf(stderr, "meterly: %s\n", qUtf8Printable(message));
  // A fault that repeats every second must not stack up message boxes.
  if (showingError_) return;
  showingError_ = true;
  QMessageBox box(QMessageBox::Critical, QString(), message, QMessageBox::Ok);
  box.exec();
  showingError_ = false;
}

}  // namespace meterly
