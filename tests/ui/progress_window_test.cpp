#include "ui/progress_window.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>

#include <gtest/gtest.h>

namespace meterly {
namespace {

TEST(ProgressWindowTest, ModalWhileItLivesAndGoneAfterwards) {
  QWidget other;
  other.show();
  QPointer<TOnlineVersionCheckWaitForm> form;
  {
    TProgressWindow wait(nullptr);
    wait.SetText(QStringLiteral("检查更新 ..."));
    form = &wait.Form();
    EXPECT_EQ(QApplication::activeModalWidget(), form.data());
    EXPECT_EQ(form->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(form->LabelText->text(), QStringLiteral("检查更新 ..."));
  }
  EXPECT_TRUE(form.isNull());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ProgressWindowTest, CentredOnAVisibleOwnerElseOnTheScreen) {
  QWidget owner;
  owner.setGeometry(100, 100, 600, 400);
  {
    TProgressWindow wait(&owner);
    const QPoint centre = wait.Form().geometry().center();
    EXPECT_NEAR(centre.x(), QGuiApplication::primaryScreen()->availableGeometry().center().x(), 2);
  }
  owner.show();
  TProgressWindow wait(&owner);
  EXPECT_NEAR(wait.Form().frameGeometry().center().x(), owner.frameGeometry().center().x(), 2);
  EXPECT_NEAR(wait.Form().frameGeometry().center().y(), owner.frameGeometry().center().y(), 2);
}

}  // namespace
}  // namespace meterly
