#include "app/problem_report.h"

#include <cstdio>

namespace meterly {

void ReportProblem(const QString& message, ProblemBox box, QMessageBox::Icon icon, QWidget* parent) {
  std::fprintf(stderr, "meterly: %s\n", qUtf8Printable(message));
  switch (box) {
    case ProblemBox::None:
      return;
    case ProblemBox::Waiting: {
      QMessageBox dialog(icon, QStringLiteral("Meterly"), message, QMessageBox::Ok, parent);
      dialog.exec();
      return;
    }
    case ProblemBox::Detached: {
      auto* dialog = new QMessageBox(icon, QStringLiteral("Meterly"), message, QMessageBox::Ok, parent);
      dialog->setAttribute(Qt::WA_DeleteOnClose);
      // A message box is modal by default, which would block every other window meanwhile.
      dialog->setModal(false);
      dialog->show();
      return;
    }
  }
}

}  // namespace meterly
