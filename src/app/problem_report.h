#pragma once

#include <QMessageBox>
#include <QString>

namespace meterly {

// How a problem reaches the user besides the line on stderr.
enum class ProblemBox {
  None,      // no one is there to read it (the end of the session)
  Waiting,   // a modal box: the caller goes on when it is closed
  Detached,  // a box that stays while the program goes on, closed by the user
};

// Prints "meterly: <message>" on stderr and shows the message as the box kind says.
void ReportProblem(const QString& message, ProblemBox box, QMessageBox::Icon icon = QMessageBox::Critical,
                   QWidget* parent = nullptr);

}  // namespace meterly
