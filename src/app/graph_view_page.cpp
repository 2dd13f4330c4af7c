#include "app/graph_view_page.h"

#include "app/named_controls.h"
#include "core/shortcut.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace meterly {
namespace {

constexpr int MaxRateDigits = 10;
constexpr int FullOpacity = 100;

QVBoxLayout* GroupColumn(QGroupBox* group) {
  auto* column = new QVBoxLayout(group);
  column->setContentsMargins(GroupMargins);
  column->setSpacing(2);
  return column;
}

}  // namespace

TGraphViewPage::TGraphViewPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("tsView"));
  auto* top = new QHBoxLayout;
  top->addWidget(BuildWindowBox(), 1);
  top->addWidget(BuildScaleBox(), 1);
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(PageMargins);
  page->setSpacing(6);
  page->addLayout(top);
  page->addWidget(BuildTransparencyBox());
  page->addStretch(1);

  connect(cbFixedScale, &QCheckBox::toggled, this, &TGraphViewPage::UpdateEnabling);
  connect(cbEnableTransparent, &QCheckBox::toggled, this, &TGraphViewPage::UpdateEnabling);
  connect(ClickThruHotKey, &QKeySequenceEdit::editingFinished, this, &TGraphViewPage::KeepFirstKeyOnly);
  UpdateEnabling();
}

QWidget* TGraphViewPage::BuildWindowBox() {
  gbGraphWindow = Named(new QGroupBox(tr("图示窗口")), "gbGraphWindow");
  cbGraphStayOnTop = NamedCheckBox("cbGraphStayOnTop", tr("总在最前(&T)"));
  cbGraphSticky = NamedCheckBox("cbGraphSticky", tr("贴靠屏幕边缘(&K)"));
  cbGraphCaption = NamedCheckBox("cbGraphCaption", tr("显示标题栏(&C)"));
  cbGraphInTrayIcon = NamedCheckBox("cbGraphInTrayIcon", tr("在托盘图标中显示(&I)"));
  ButtonResetGraph = Named(new QPushButton(tr("恢复位置(&R)")), "ButtonResetGraph");
  QVBoxLayout* column = GroupColumn(gbGraphWindow);
  for (QCheckBox* box : {cbGraphStayOnTop, cbGraphSticky, cbGraphCaption, cbGraphInTrayIcon}) column->addWidget(box);
  column->addStretch(1);
  column->addWidget(ButtonResetGraph, 0, Qt::AlignLeft);
  return gbGraphWindow;
}

QWidget* TGraphViewPage::BuildScaleBox() {
  gbGraphScale = Named(new QGroupBox(tr("图表")), "gbGraphScale");
  cnEnableAxes = NamedCheckBox("cnEnableAxes", tr("网格和刻度(&G)"));
  cbMinuteTicks = NamedCheckBox("cbMinuteTicks", tr("每分钟刻度线(&M)"));
  cbSmoothSpikes = NamedCheckBox("cbSmoothSpikes", tr("平滑峰值(&S)"));
  cbLeftToRight = NamedCheckBox("cbLeftToRight", tr("从左向右滚动(&L)"));
  cbFixedScale = NamedCheckBox("cbFixedScale", tr("固定刻度(&F):"));
  leMaxRate = Named(new QLineEdit, "leMaxRate");
  leMaxRate->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), leMaxRate));
  leMaxRate->setMaxLength(MaxRateDigits);

  auto* fixed = new QHBoxLayout;
  fixed->setSpacing(4);
  fixed->addWidget(cbFixedScale);
  fixed->addWidget(leMaxRate, 1);
  fixed->addWidget(new QLabel(tr("/秒")));
  QVBoxLayout* column = GroupColumn(gbGraphScale);
  for (QCheckBox* box : {cnEnableAxes, cbMinuteTicks, cbSmoothSpikes, cbLeftToRight}) column->addWidget(box);
  column->addLayout(fixed);
  column->addStretch(1);
  return gbGraphScale;
}

QWidget* TGraphViewPage::BuildTransparencyBox() {
  gbTransparency = Named(new QGroupBox(tr("透明")), "gbTransparency");
  cbEnableTransparent = NamedCheckBox("cbEnableTransparent", tr("启用透明(&E)"));
  udTransparent = Named(new QSpinBox, "udTransparent");
  udTransparent->setRange(0, FullOpacity);
  udTransparent->setSuffix(QStringLiteral(" %"));
  edTransparent = Named(udTransparent->findChild<QLineEdit*>(), "edTransparent");
  cbEnableClickThrough = NamedCheckBox("cbEnableClickThrough", tr("单击贯穿(&H)"));
  ClickThruHotKey = Named(new QKeySequenceEdit, "ClickThruHotKey");
  ClickThruHotKey->setClearButtonEnabled(true);
  auto* hotKeyLabel = new QLabel(tr("热键(&Y):"));
  hotKeyLabel->setBuddy(ClickThruHotKey);

  auto* grid = new QGridLayout(gbTransparency);
  grid->setContentsMargins(GroupMargins);
  grid->setVerticalSpacing(4);
  grid->addWidget(cbEnableTransparent, 0, 0);
  grid->addWidget(udTransparent, 0, 1, Qt::AlignLeft);
  grid->addWidget(cbEnableClickThrough, 1, 0);
  auto* hotKey = new QHBoxLayout;
  hotKey->addWidget(hotKeyLabel);
  hotKey->addWidget(ClickThruHotKey, 1);
  grid->addLayout(hotKey, 1, 1);
  grid->setColumnStretch(1, 1);
  return gbTransparency;
}

std::vector<std::pair<QCheckBox*, bool Settings::*>> TGraphViewPage::CheckBoxSettings() const {
  return {{cbGraphStayOnTop, &Settings::StayOnTop},
          {cbGraphSticky, &Settings::Sticky},
          {cbGraphCaption, &Settings::EnableCaption},
          {cbGraphInTrayIcon, &Settings::ShowInTray},
          {cnEnableAxes, &Settings::EnableGridAndAxes},
          {cbMinuteTicks, &Settings::EnableMinuteTicks},
          {cbSmoothSpikes, &Settings::EnableSmooth},
          {cbLeftToRight, &Settings::LeftToRight},
          {cbFixedScale, &Settings::FixedScale},
          {cbEnableTransparent, &Settings::EnableTransparent},
          {cbEnableClickThrough, &Settings::EnableClickThrough}};
}

void TGraphViewPage::SettingsToControls(const Settings& settings) {
  for (const auto& [box, value] : CheckBoxSettings()) box->setChecked(settings.*value);
  leMaxRate->setText(QString::number(settings.FixedScaleValue));
  udTransparent->setValue(settings.TransparentValue);
  ClickThruHotKey->setKeySequence(ShortCutToKeySequence(settings.ClickThruShortCut));
  UpdateEnabling();
}

void TGraphViewPage::ControlsToSettings(Settings& settings) const {
  for (const auto& [box, value] : CheckBoxSettings()) settings.*value = box->isChecked();
  bool isNumber = false;
  const qint32 maxRate = leMaxRate->text().toInt(&isNumber);
  settings.FixedScaleValue = isNumber ? maxRate : 0;
  settings.TransparentValue = udTransparent->value();
  settings.ClickThruShortCut = KeySequenceToShortCut(ClickThruHotKey->keySequence());
}

void TGraphViewPage::UpdateEnabling() {
  leMaxRate->setEnabled(cbFixedScale->isChecked());
  const bool transparent = cbEnableTransparent->isChecked();
  cbEnableClickThrough->setEnabled(transparent);
  ClickThruHotKey->setEnabled(transparent);
}

// A hot key is one key combination; the editor would go on collecting up to four.
void TGraphViewPage::KeepFirstKeyOnly() {
  const QKeySequence keys = ClickThruHotKey->keySequence();
  if (keys.count() > 1) ClickThruHotKey->setKeySequence(QKeySequence(keys[0]));
}

}  // namespace meterly
