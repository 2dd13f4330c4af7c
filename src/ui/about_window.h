#pragma once

#include <QDialog>
#include <QIcon>
#include <QString>

class QLabel;
class QPushButton;

namespace meterly {

// The About window: the product, its version, one line on what it does, and an optional note
// that other features set (why a tool is unavailable, say). When a version server is known it
// also offers bbCheckUpdates, which closes the window and then asks for the check.
class TAboutWindow : public QDialog {
  Q_OBJECT

 public:
  TAboutWindow(const QIcon& icon, const QString& productName, const QString& version, QWidget* parent = nullptr);

  // Shows or hides the check-for-updates button.
  void SetUpdateCheckOffered(bool offered);

  // An extra line under the description; empty hides it.
  void SetNote(const QString& note);

  QLabel* LabelProduct;
  QLabel* LabelDescription;
  QLabel* LabelNote;
  QPushButton* bbCheckUpdates;
  QPushButton* bbOk;

 Q_SIGNALS:
  // Arrives once the window has closed and its button handler has returned.
  void checkUpdatesRequested();

 private:
  void CheckUpdatesClick();
};

}  // namespace meterly
