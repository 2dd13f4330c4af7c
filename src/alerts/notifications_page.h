#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace meterly {

struct Settings;
class TFileChooser;
class TTrafficNotification;

// The settings window's notifications page (tsNotifications): the condition, the block and the
// actions. Every control but cbEnableNotifications carries the tag 3 and is enabled only while
// that box is checked.
class TNotificationsPage : public QWidget {
  Q_OBJECT

 public:
  static constexpr int EnablingTag = 3;

  explicit TNotificationsPage(QWidget* parent = nullptr);

  // The test buttons run through the notifications of the running program.
  void AttachNotifications(TTrafficNotification* notifications) { notifications_ = notifications; }

  void SettingsToControls(const Settings& settings);
  void ControlsToSettings(Settings& settings) const;

  // Enables or disables every control of the page tagged 3 as cbEnableNotifications says.
  void cbEnableNotificationsClick();
  void btnTestSoundNotifyClick();
  void btnTestExecClick();

  QCheckBox* cbEnableNotifications;
  QGroupBox* gbNotifyConditions;
  QComboBox* cmbNotifyCondition;
  QLabel* lblSmallTxt;
  QSpinBox* SpinEditorDataMb;
  QLabel* lblBytesTransf;
  QSpinBox* SpinEditorNotifyMin;
  QLabel* lblMin;
  QGroupBox* gbNotifyActions;
  QCheckBox* cbMsgAndSound;
  TFileChooser* AlertChooser;
  QPushButton* btnTestSoundNotify;
  QCheckBox* cbExecProg;
  TFileChooser* ExecChooser;
  QPushButton* btnTestExec;
  QCheckBox* cbDropDialup;
  QCheckBox* cbShowGraphNotify;
  QCheckBox* cbShutdown;

 private:
  QWidget* BuildConditions();
  QWidget* BuildActions();

  TTrafficNotification* notifications_ = nullptr;
};

}  // namespace meterly
