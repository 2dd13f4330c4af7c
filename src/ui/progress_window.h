#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

class QLabel;

namespace meterly {

// The small wait window: the application icon and one centred line of text, on a dialog
// frame without a caption bar.
class TOnlineVersionCheckWaitForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr QSize Size{200, 60};

  explicit TOnlineVersionCheckWaitForm(QWidget* owner);

  QLabel* ImageIcon;
  QLabel* LabelText;
};

// Owns the wait window for as long as something runs: shows it on creation, closes and frees
// it on destruction. While it is shown every other window of the application is disabled.
class TProgressWindow {
 public:
  explicit TProgressWindow(QWidget* owner);
  ~TProgressWindow();

  TProgressWindow(const TProgressWindow&) = delete;
  TProgressWindow& operator=(const TProgressWindow&) = delete;

  // Takes effect on screen at once.
  void SetText(const QString& text);

  TOnlineVersionCheckWaitForm& Form() { return *form_; }

 private:
  QPointer<TOnlineVersionCheckWaitForm> form_;  // also freed by its owner, should the owner go first
};

// Centres a window on its owner when the owner is visible, else on the owner's (or the
// primary) screen.
void CentreOnOwner(QWidget& window, const QWidget* owner);

}  // namespace meterly
