#include "app/settings_window.h"

#include "alerts/notifications_page.h"
#include "app/app_icon.h"
#include "app/graph_colours_page.h"
#include "app/graph_view_page.h"
#include "app/named_controls.h"
#include "app/network_glyph.h"
#include "core/settings_mapping.h"
#include "reports/hour_display.h"
#include "store/peak_hours.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace meterly {

namespace {

constexpr QSize ClientSize(434, 364);
constexpr int InterfaceRowsVisible = 20;
constexpr int LastHour = 23;
constexpr int DaysInLongestMonth = 31;
constexpr QRect HourDisplayGeometry(10, 70, 380, 25);

// Tray icon radio items, in radio order (not in stored order).
const char* const TrayIconModeItems[] = {
    QT_TRANSLATE_NOOP("SettingsItems", "当前传送率"),   QT_TRANSLATE_NOOP("SettingsItems", "每日通信量"),
    QT_TRANSLATE_NOOP("SettingsItems", "每周通信量"),   QT_TRANSLATE_NOOP("SettingsItems", "每月通信量"),
    QT_TRANSLATE_NOOP("SettingsItems", "拨号持续时间"), QT_TRANSLATE_NOOP("SettingsItems", "图表使用情况")};
// Indexed by the stored "VolumeUnit".
const char* const VolumeUnitItems[] = {
    QT_TRANSLATE_NOOP("SettingsItems", "自动"), QT_TRANSLATE_NOOP("SettingsItems", "十亿字节"),
    QT_TRANSLATE_NOOP("SettingsItems", "兆字节"), QT_TRANSLATE_NOOP("SettingsItems", "千字节"),
    QT_TRANSLATE_NOOP("SettingsItems", "字节")};
const char* const WeekDayItems[] = {
    QT_TRANSLATE_NOOP("SettingsItems", "周一"), QT_TRANSLATE_NOOP("SettingsItems", "周二"),
    QT_TRANSLATE_NOOP("SettingsItems", "周三"), QT_TRANSLATE_NOOP("SettingsItems", "周四"),
    QT_TRANSLATE_NOOP("SettingsItems", "周五"), QT_TRANSLATE_NOOP("SettingsItems", "周六"),
    QT_TRANSLATE_NOOP("SettingsItems", "周日")};
// Indexed by the stored "Unit".
const char* const SpeedUnitItems[] = {QT_TRANSLATE_NOOP("SettingsItems", "字节/秒"),
                                      QT_TRANSLATE_NOOP("SettingsItems", "比特/秒")};

QWidget* Page(const char* name, QLayout* content) {
  auto* page = Named(new QWidget, name);
  if (content != nullptr) page->setLayout(content);
  return page;
}

}  // namespace

TSettingsWindow::TSettingsWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("SettingsWindow"));
  setWindowTitle(tr("Meterly 设置"));
  setWindowIcon(MeterlyIcon());
  setFixedSize(ClientSize);

  pcPages = Named(new QTabWidget, "pcPages");
  pcPages->addTab(BuildGeneralPage(), tr("常规"));
  pcPages->addTab(tsView = new TGraphViewPage, tr("图示"));
  pcPages->addTab(tsColours = new TGraphColoursPage, tr("图表颜色"));
  pcPages->addTab(tsNotifications = new TNotificationsPage, tr("通知"));
  pcPages->addTab(BuildAdvancedPage(), tr("高级"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(PageMargins);
  layout->setSpacing(6);
  layout->addWidget(pcPages);
  layout->addLayout(BuildButtonRow());

  ConnectControls();
  PrepareControls();
}

TSettingsWindow::~TSettingsWindow() = default;

QWidget* TSettingsWindow::BuildGeneralPage() {
  rgTrayIconMode = NamedRadioGroup("rgTrayIconMode", tr("托盘图标显示"), TrayIconModeItems, 3, rgTrayIconModeItems);
  auto* top = new QHBoxLayout;
  top->addWidget(BuildOptionsBox(), 1);
  top->addWidget(rgUnit = NamedRadioGroup("rgUnit", tr("速度单位"), SpeedUnitItems, 1, rgUnitItems));
  top->setAlignment(rgUnit, Qt::AlignTop);

  auto* page = new QVBoxLayout;
  page->setContentsMargins(PageMargins);
  page->setSpacing(6);
  page->addLayout(top);
  page->addWidget(rgTrayIconMode);
  page->addWidget(BuildInterfacesBox());
  page->addStretch(1);
  return Page("tsMainSettings", page);
}

QWidget* TSettingsWindow::BuildOptionsBox() {
  cbEnableAutorun = NamedCheckBox("cbEnableAutorun", tr("登录时自动启动"));
  cbGraphDisplayOnStartup = NamedCheckBox("cbGraphDisplayOnStartup", tr("启动时显示图表"));
  cbEnableGridLines = NamedCheckBox("cbEnableGridLines", tr("报告列表显示网格线"));
  cbAutoCheck = NamedCheckBox("cbAutoCheck", tr("自动检查新版本"));
  Label1 = Named(new QLabel(tr("通信量单位(&U):")), "Label1");
  cmbVolumeUnit = NamedComboBox("cmbVolumeUnit", VolumeUnitItems);
  Label1->setBuddy(cmbVolumeUnit);

  auto* options = new QWidget;
  auto* grid = new QGridLayout(options);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(4);
  grid->addWidget(cbEnableAutorun, 0, 0, 1, 2);
  grid->addWidget(cbGraphDisplayOnStartup, 1, 0, 1, 2);
  grid->addWidget(cbEnableGridLines, 0, 2, 1, 2);
  grid->addWidget(cbAutoCheck, 1, 2, 1, 2);
  grid->addWidget(Label1, 2, 0);
  grid->addWidget(cmbVolumeUnit, 2, 1);
  grid->setColumnStretch(3, 1);
  return options;
}

QWidget* TSettingsWindow::BuildInterfacesBox() {
  gbInterfaces = Named(new QGroupBox(tr("监视的网络连接")), "gbInterfaces");
  cmbInterfaces = Named(new QComboBox, "cmbInterfaces");
  cmbInterfaces->setMaxVisibleItems(InterfaceRowsVisible);
  cmbInterfaces->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  cmbInterfaces->setMinimumContentsLength(20);
  lblIfInfo = Named(new QLabel, "lblIfInfo");
  lblIfInfo->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // Wide fonts break the line between the address and the MAC rather than cutting it.
  lblIfInfo->setWordWrap(true);
  ImgNetConn = Named(new QLabel, "ImgNetConn");
  ImgNetConn->setFixedSize(NetworkGlyphSize, NetworkGlyphSize);
  ImgNetConn->setPixmap(NetworkGlyph(devicePixelRatioF()));

  auto* details = new QVBoxLayout;
  details->setSpacing(4);
  details->addWidget(cmbInterfaces);
  details->addWidget(lblIfInfo);
  auto* row = new QHBoxLayout(gbInterfaces);
  row->setContentsMargins(GroupMargins);
  row->setSpacing(4);
  row->addWidget(ImgNetConn, 0, Qt::AlignVCenter);
  row->addLayout(details, 1);
  return gbInterfaces;
}

QWidget* TSettingsWindow::BuildAdvancedPage() {
  auto* page = new QVBoxLayout;
  page->setContentsMargins(PageMargins);
  page->setSpacing(6);
  page->addWidget(BuildPeakHoursBox());
  page->addWidget(BuildPeriodsBox());
  page->addStretch(1);
  return Page("tsAdvanced", page);
}

QWidget* TSettingsWindow::BuildPeakHoursBox() {
  GroupBoxHours = Named(new QGroupBox(tr("高峰时段")), "GroupBoxHours");
  SpinPeakFrom = Named(new QSpinBox, "SpinPeakFrom");
  SpinPeakTo = Named(new QSpinBox, "SpinPeakTo");
  for (QSpinBox* spin : {SpinPeakFrom, SpinPeakTo}) spin->setSuffix(tr(" 时"));
  auto* fromLabel = new QLabel(tr("从(&F):"));
  fromLabel->setBuddy(SpinPeakFrom);
  auto* toLabel = new QLabel(tr("到(&T):"));
  toLabel->setBuddy(SpinPeakTo);

  auto* row = new QHBoxLayout;
  row->addWidget(fromLabel);
  row->addWidget(SpinPeakFrom);
  row->addSpacing(16);
  row->addWidget(toLabel);
  row->addWidget(SpinPeakTo);
  row->addStretch(1);
  auto* box = new QVBoxLayout(GroupBoxHours);
  box->setContentsMargins(GroupMargins);
  box->addLayout(row);
  box->addStretch(1);

  // The strip sits at a fixed place under the spin editors, outside the layout.
  HourDisplayHost = Named(new QWidget(GroupBoxHours), "HourDisplayHost");
  HourDisplayHost->setGeometry(HourDisplayGeometry);
  HourDisplay = Named(new THourDisplay(HourDisplayHost), "HourDisplay");
  HourDisplay->resize(HourDisplayGeometry.size());
  // The strip shows the hours the spin editors give at once, before they are applied.
  for (QSpinBox* spin : {SpinPeakFrom, SpinPeakTo}) {
    connect(spin, &QSpinBox::valueChanged, HourDisplay,
            [this] { HourDisplay->SetHours(PeakHourMasks(SpinPeakFrom->value(), SpinPeakTo->value()).Peak); });
  }
  GroupBoxHours->setMinimumHeight(HourDisplayGeometry.bottom() + 1 + 10);
  return GroupBoxHours;
}

QWidget* TSettingsWindow::BuildPeriodsBox() {
  GroupBox3 = Named(new QGroupBox(tr("统计周期")), "GroupBox3");
  ComboBoxWeekStarts = NamedComboBox("ComboBoxWeekStarts", WeekDayItems);
  ComboBoxMonthStarts = Named(new QComboBox, "ComboBoxMonthStarts");
  auto* form = new QFormLayout(GroupBox3);
  form->setContentsMargins(GroupMargins);
  form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  form->addRow(tr("每周开始于(&W):"), ComboBoxWeekStarts);
  form->addRow(tr("每月开始于(&M):"), ComboBoxMonthStarts);
  return GroupBox3;
}

QLayout* TSettingsWindow::BuildButtonRow() {
  bbHelp = Named(new QPushButton(tr("帮助")), "bbHelp");
  bbOk = Named(new QPushButton(tr("确定(&O)")), "bbOk");
  bbCancel = Named(new QPushButton(tr("取消")), "bbCancel");
  ButtonApply = Named(new QPushButton(tr("应用(&A)")), "ButtonApply");
  auto* row = new QHBoxLayout;
  row->setSpacing(6);
  row->addWidget(bbHelp);
  row->addStretch(1);
  for (QPushButton* button : {bbOk, bbCancel, ButtonApply}) row->addWidget(button);
  return row;
}

void TSettingsWindow::ConnectControls() {
  connect(cmbInterfaces, &QComboBox::currentIndexChanged, this, &TSettingsWindow::cmbInterfacesChange);
  connect(bbOk, &QPushButton::clicked, this, &TSettingsWindow::bbOkClick);
  connect(ButtonApply, &QPushButton::clicked, this, &TSettingsWindow::applyClicked);
  connect(bbCancel, &QPushButton::clicked, this, &TSettingsWindow::close);
  connect(bbHelp, &QPushButton::clicked, this, &TSettingsWindow::helpClicked);
  connect(tsView->ButtonResetGraph, &QPushButton::clicked, this, &TSettingsWindow::resetGraphClicked);
}

void TSettingsWindow::PrepareControls() {
  ComboBoxMonthStarts->clear();
  for (int day = 1; day <= DaysInLongestMonth; ++day) ComboBoxMonthStarts->addItem(MonthStartItemText(day));
  for (QSpinBox* spin : {SpinPeakFrom, SpinPeakTo}) {
    spin->setRange(0, LastHour);
    spin->setSingleStep(1);
  }
  tsColours->PrepareControls();
}

void TSettingsWindow::SettingsToControls(const Settings& settings) {
  SpinPeakFrom->setValue(settings.PeakHourFrom);
  SpinPeakTo->setValue(settings.PeakHourTo);
  PeakColoursToControls(settings);
  // An index outside the list (a week start of 0) leaves the box without a selection.
  ComboBoxWeekStarts->setCurrentIndex(settings.WeekStartsOn - 1);
  ComboBoxMonthStarts->setCurrentIndex(settings.MonthStartsOn - 1);
  cbEnableAutorun->setChecked(settings.EnableAutoRun);
  cbGraphDisplayOnStartup->setChecked(settings.DisplayOnStartup);
  cbEnableGridLines->setChecked(settings.EnableGridLines);
  if (settings.Unit <= 1) CheckRadioItem(rgUnitItems, settings.Unit);
  cmbVolumeUnit->setCurrentIndex(VolumeUnitIndexChecked(settings.VolumeUnit));
  CheckRadioItem(rgTrayIconModeItems, TrayIconModeToRadioIndex(settings.TrayIconMode));
  // The colours page also carries the gradient of the general settings.
  tsColours->SettingsToControls(settings);
  tsView->SettingsToControls(settings);
  tsNotifications->SettingsToControls(settings);
}

bool TSettingsWindow::ControlsToSettings(Settings& settings) {
  settings.PeakHourFrom = SpinPeakFrom->value();
  settings.PeakHourTo = SpinPeakTo->value();
  settings.OnPeakColor = HourDisplay->OnPeakColor();
  settings.OffPeakColor = HourDisplay->OffPeakColor();
  settings.WeekStartsOn = static_cast<quint8>(ComboBoxWeekStarts->currentIndex() + 1);
  settings.MonthStartsOn = static_cast<quint8>(ComboBoxMonthStarts->currentIndex() + 1);
  settings.EnableAutoRun = cbEnableAutorun->isChecked();
  settings.EnableGridLines = cbEnableGridLines->isChecked();
  settings.AutoUpdate.AutoCheckEnabled = cbAutoCheck->isChecked();
  if (const int unit = rgUnitItems->checkedId(); unit == 0 || unit == 1) settings.Unit = static_cast<quint8>(unit);
  settings.VolumeUnit = static_cast<quint8>(VolumeUnitIndexChecked(cmbVolumeUnit->currentIndex()));
  settings.TrayIconMode = RadioIndexToTrayIconMode(rgTrayIconModeItems->checkedId());

  const bool sourceChanged = TakeChosenInterface(settings.InterfaceGuid);
  settings.DisplayOnStartup = cbGraphDisplayOnStartup->isChecked();
  tsColours->ControlsToSettings(settings);
  tsView->ControlsToSettings(settings);
  tsNotifications->ControlsToSettings(settings);
  return sourceChanged;
}

bool TSettingsWindow::TakeChosenInterface(QString& interfaceGuid) const {
  const TAdapterEntry* chosen = ChosenInterface();
  if (chosen == nullptr || chosen->Guid == interfaceGuid) return false;
  interfaceGuid = chosen->Guid;
  return true;
}

const TAdapterEntry* TSettingsWindow::ChosenInterface() const {
  const int index = cmbInterfaces->currentIndex();
  return index >= 0 ? &adapters_[static_cast<size_t>(index)] : nullptr;
}

void TSettingsWindow::FillInterfaceCombo(const AdapterList& adapters) {
  adapters_ = adapters;
  const QSignalBlocker quiet(cmbInterfaces);
  cmbInterfaces->clear();
  for (const TAdapterEntry& entry : adapters_) cmbInterfaces->addItem(entry.Description);
  cmbInterfaces->setCurrentIndex(-1);
  ShowInterfaceInfo();
}

void TSettingsWindow::SelectCurrentInterface(const QString& guid) {
  const auto found =
      std::find_if(adapters_.begin(), adapters_.end(), [&](const TAdapterEntry& entry) { return entry.Guid == guid; });
  const QSignalBlocker quiet(cmbInterfaces);
  cmbInterfaces->setCurrentIndex(found == adapters_.end() ? -1 : static_cast<int>(found - adapters_.begin()));
  ShowInterfaceInfo();
}

void TSettingsWindow::RefillInterfaceCombo(const AdapterList& adapters, const QString& appliedGuid) {
  const TAdapterEntry* chosen = ChosenInterface();
  const QString picked = chosen != nullptr ? chosen->Guid : appliedGuid;
  FillInterfaceCombo(adapters);
  SelectCurrentInterface(picked);
  if (ChosenInterface() == nullptr) SelectCurrentInterface(appliedGuid);
}

void TSettingsWindow::ShowInterfaceInfo() { lblIfInfo->setText(InterfaceInfoText(ChosenInterface())); }

void TSettingsWindow::SetAutoCheck(bool enabled) { cbAutoCheck->setChecked(enabled); }

void TSettingsWindow::ShowClickThrough(bool enabled) { tsView->cbEnableClickThrough->setChecked(enabled); }

void TSettingsWindow::AttachNotifications(TTrafficNotification* notifications) {
  tsNotifications->AttachNotifications(notifications);
}

void TSettingsWindow::cmbInterfacesChange() { ShowInterfaceInfo(); }

void TSettingsWindow::bbOkClick() {
  Q_EMIT okClicked();
  close();
}

void TSettingsWindow::PeakColoursToControls(const Settings& settings) {
  HourDisplay->SetOnPeakColor(settings.OnPeakColor);
  HourDisplay->SetOffPeakColor(settings.OffPeakColor);
  HourDisplay->SetHours(PeakHourMasks(SpinPeakFrom->value(), SpinPeakTo->value()).Peak);
}

void TSettingsWindow::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    CentreOnScreen();
    tsColours->RefreshPreview();
    Q_EMIT aboutToShow();
  }
  QWidget::showEvent(event);
}

void TSettingsWindow::CentreOnScreen() {
  const QScreen* target = screen();
  if (target == nullptr) return;
  QRect frame = frameGeometry();
  frame.moveCenter(target->availableGeometry().center());
  move(frame.topLeft());
}

void TSettingsWindow::closeEvent(QCloseEvent* event) {
  if (terminating_) {
    event->accept();
    return;
  }
  event->ignore();
  hide();
}

void TSettingsWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    bbCancel->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace meterly
