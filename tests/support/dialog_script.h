#pragma once

#include "ui/progress_window.h"
#include "update/proxy_login_dialog.h"
#include "update/update_found_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <optional>

namespace meterly::testing_support {

// Plays the user in front of the version check's windows: answers every modal window that comes
// up as scripted and notes what it showed.
class DialogScript {
 public:
  struct Box {
    QString text;
    QString title;
    QMessageBox::Icon icon;
  };

  DialogScript() {
    QObject::connect(&poll_, &QTimer::timeout, [this] { Answer(); });
    poll_.start(5);
  }

  QMessageBox::StandardButton boxAnswer = QMessageBox::Ok;  // Yes/No for questions
  bool download = false;                                    // the update dialog's button, else closed
  std::optional<std::pair<QString, QString>> proxyLogin;    // nullopt: Cancel in the login dialog
  std::function<void()> whileWaiting;                       // runs once the wait window is up

  std::vector<Box> boxes;
  QStringList updateMessages;
  QStringList proxyPrompts;
  QStringList waitTexts;

 private:
  void Answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* wait = qobject_cast<TOnlineVersionCheckWaitForm*>(modal)) {
      if (waitTexts.isEmpty() && whileWaiting) whileWaiting();
      waitTexts.append(wait->LabelText->text());
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      boxes.push_back({box->text(), box->windowTitle(), box->icon()});
      QAbstractButton* button = box->button(boxAnswer);
      (button != nullptr ? button : box->buttons().front())->click();
    } else if (auto* update = qobject_cast<TUpdateFoundDialog*>(modal)) {
      updateMessages.append(update->LabelMessage->text());
      if (download) {
        update->ButtonDownload->click();
      } else {
        update->reject();
      }
    } else if (auto* login = qobject_cast<TProxyLoginDialog*>(modal)) {
      proxyPrompts.append(login->LabelPrompt->text());
      if (!proxyLogin) return login->Buttons->button(QDialogButtonBox::Cancel)->click();
      login->EditUserName->setText(proxyLogin->first);
      login->EditPassword->setText(proxyLogin->second);
      login->Buttons->button(QDialogButtonBox::Ok)->click();
    }
  }

  QTimer poll_;
};

}  // namespace meterly::testing_support
