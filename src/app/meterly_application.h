#pragma once

#include <QApplication>

namespace meterly {

// The application object. An exception that escapes an event handler is shown in a message
// box with its message, and the program goes on.
class MeterlyApplication : public QApplication {
 public:
  MeterlyApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  void ShowError(const QString& message);

  bool showingError_ = false;
};

}  // namespace meterly
