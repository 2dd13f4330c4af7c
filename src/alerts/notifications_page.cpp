#include "alerts/notifications_page.h"

#include "alerts/notify_condition.h"
#include "alerts/traffic_notification.h"
#include "core/settings.h"
#include "ui/file_chooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace meterly {

namespace {

constexpr int kConditionRowsVisible = 20;
constexpr int kSpinStep = 5;
constexpr int kLargestAmountMb = 32000;
constexpr int kLongestBlockMin = 1440;

template <typename T>
T* Tagged(T* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  widget->setProperty("tag", TNotificationsPage::EnablingTag);
  return widget;
}

QCheckBox* TaggedCheckBox(const char* name, const QString& text) { return Tagged(new QCheckBox(text), name); }

QSpinBox* TaggedSpin(const char* name, int most) {
  auto* spin = Tagged(new QSpinBox, name);
  spin->setRange(1, most);
  spin->setSingleStep(kSpinStep);
  return spin;
}

void SetBit(quint8& bits, quint8 bit, bool on) { bits = static_cast<quint8>(on ? bits | bit : bits & ~bit); }

}  // namespace

TNotificationsPage::TNotificationsPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("tsNotifications"));
  cbEnableNotifications = new QCheckBox(tr("启用通知(&N)"));
  cbEnableNotifications->setObjectName(QStringLiteral("cbEnableNotifications"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(6);
  layout->addWidget(cbEnableNotifications);
  layout->addWidget(BuildConditions());
  layout->addWidget(BuildActions());
  layout->addStretch(1);

  connect(cbEnableNotifications, &QCheckBox::toggled, this, &TNotificationsPage::cbEnableNotificationsClick);
  connect(btnTestSoundNotify, &QPushButton::clicked, this, &TNotificationsPage::btnTestSoundNotifyClick);
  connect(btnTestExec, &QPushButton::clicked, this, &TNotificationsPage::btnTestExecClick);
  cbEnableNotificationsClick();
}

QWidget* TNotificationsPage::BuildConditions() {
  gbNotifyConditions = Tagged(new QGroupBox(tr("条件")), "gbNotifyConditions");
  cmbNotifyCondition = Tagged(new QComboBox, "cmbNotifyCondition");
  cmbNotifyCondition->addItems(NotifyConditionItems());
  cmbNotifyCondition->setMaxVisibleItems(kConditionRowsVisible);
  lblSmallTxt = Tagged(new QLabel(tr("数据量")), "lblSmallTxt");
  SpinEditorDataMb = TaggedSpin("SpinEditorDataMb", kLargestAmountMb);
  lblBytesTransf = Tagged(new QLabel(tr("MB, 在最近")), "lblBytesTransf");
  SpinEditorNotifyMin = TaggedSpin("SpinEditorNotifyMin", kLongestBlockMin);
  lblMin = Tagged(new QLabel(tr("分钟内")), "lblMin");

  auto* row = new QHBoxLayout(gbNotifyConditions);
  row->setContentsMargins(6, 4, 6, 6);
  for (QWidget* control : std::initializer_list<QWidget*>{cmbNotifyCondition, lblSmallTxt, SpinEditorDataMb,
                                                          lblBytesTransf, SpinEditorNotifyMin, lblMin}) {
    row->addWidget(control);
  }
  row->addStretch(1);
  return gbNotifyConditions;
}

QWidget* TNotificationsPage::BuildActions() {
  gbNotifyActions = Tagged(new QGroupBox(tr("动作")), "gbNotifyActions");
  cbMsgAndSound = TaggedCheckBox("cbMsgAndSound", tr("显示消息并播放声音"));
  AlertChooser = Tagged(new TFileChooser, "AlertChooser");
  AlertChooser->SetFilter(tr("WAV 文件 (*.wav)"), QStringLiteral("*.wav"));
  btnTestSoundNotify = Tagged(new QPushButton(tr("测试")), "btnTestSoundNotify");
  cbExecProg = TaggedCheckBox("cbExecProg", tr("运行程序"));
  ExecChooser = Tagged(new TFileChooser, "ExecChooser");
  ExecChooser->SetFilter(tr("All Files"), QStringLiteral("*.*"));
  btnTestExec = Tagged(new QPushButton(tr("测试")), "btnTestExec");
  cbDropDialup = TaggedCheckBox("cbDropDialup", tr("断开拨号连接"));
  cbShowGraphNotify = TaggedCheckBox("cbShowGraphNotify", tr("显示图表"));
  cbShutdown = TaggedCheckBox("cbShutdown", tr("关闭计算机"));

  auto* grid = new QGridLayout(gbNotifyActions);
  grid->setContentsMargins(6, 4, 6, 6);
  grid->setVerticalSpacing(4);
  grid->addWidget(cbMsgAndSound, 0, 0);
  grid->addWidget(AlertChooser, 0, 1);
  grid->addWidget(btnTestSoundNotify, 0, 2);
  grid->addWidget(cbExecProg, 1, 0);
  grid->addWidget(ExecChooser, 1, 1);
  grid->addWidget(btnTestExec, 1, 2);
  grid->addWidget(cbDropDialup, 2, 0);
  grid->addWidget(cbShowGraphNotify, 3, 0);
  grid->addWidget(cbShutdown, 4, 0);
  grid->setColumnStretch(1, 1);
  return gbNotifyActions;
}

void TNotificationsPage::cbEnableNotificationsClick() {
  const bool enabled = cbEnableNotifications->isChecked();
  for (QWidget* control : findChildren<QWidget*>()) {
    if (control->property("tag").toInt() == EnablingTag) control->setEnabled(enabled);
  }
}

void TNotificationsPage::SettingsToControls(const Settings& settings) {
  cbEnableNotifications->setChecked(settings.EnableNotifications);
  cbEnableNotificationsClick();
  cmbNotifyCondition->setCurrentIndex(settings.NotifyCondition < NotifyConditionCount ? settings.NotifyCondition : 0);
  SpinEditorNotifyMin->setValue(settings.NotifyTimeMin);
  SpinEditorDataMb->setValue(settings.NotifyConditionAmountMb);
  const quint8 actions = settings.NotifyActions;
  cbMsgAndSound->setChecked((actions & NotifyAction::MsgAndSound) != 0);
  cbExecProg->setChecked((actions & NotifyAction::ExecProg) != 0);
  cbDropDialup->setChecked((actions & NotifyAction::DropDialup) != 0);
  cbShutdown->setChecked((actions & NotifyAction::Shutdown) != 0);
  cbShowGraphNotify->setChecked((actions & NotifyAction::ShowGraph) != 0);
  AlertChooser->SetFileName(settings.NotifySound);
  ExecChooser->SetFileName(settings.ExecProg);
}

void TNotificationsPage::ControlsToSettings(Settings& settings) const {
  settings.EnableNotifications = cbEnableNotifications->isChecked();
  settings.NotifyCondition = static_cast<quint8>(std::max(0, cmbNotifyCondition->currentIndex()));
  settings.NotifyTimeMin = static_cast<qint16>(SpinEditorNotifyMin->value());
  settings.NotifyConditionAmountMb = static_cast<qint16>(SpinEditorDataMb->value());
  SetBit(settings.NotifyActions, NotifyAction::MsgAndSound, cbMsgAndSound->isChecked());
  SetBit(settings.NotifyActions, NotifyAction::ExecProg, cbExecProg->isChecked());
  SetBit(settings.NotifyActions, NotifyAction::DropDialup, cbDropDialup->isChecked());
  SetBit(settings.NotifyActions, NotifyAction::Shutdown, cbShutdown->isChecked());
  SetBit(settings.NotifyActions, NotifyAction::ShowGraph, cbShowGraphNotify->isChecked());
  settings.NotifySound = AlertChooser->FileName();
  settings.ExecProg = ExecChooser->FileName();
}

void TNotificationsPage::btnTestSoundNotifyClick() {
  if (notifications_ != nullptr) notifications_->TestSound(AlertChooser->FileName());
}

void TNotificationsPage::btnTestExecClick() {
  if (notifications_ == nullptr) return;
  // The answer comes later; the page may be gone by then.
  QPointer<TNotificationsPage> page(this);
  notifications_->TestProgram(ExecChooser->FileName(), [page](const QString& message) {
    QMessageBox::critical(page ? page->window() : nullptr, QString(), message);
  });
}

}  // namespace meterly
