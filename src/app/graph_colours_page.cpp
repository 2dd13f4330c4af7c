#include "app/graph_colours_page.h"

#include "app/colour_panel.h"
#include "app/named_controls.h"
#include "base/assertion.h"
#include "display/colorref.h"
#include "display/histogram.h"
#include "ui/color_box.h"
#include "ui/file_chooser.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace meterly {
namespace {

constexpr QRect PreviewGeometry(225, 30, 185, 80);
constexpr int ColumnGap = 9;
// The left column ends where the preview's column begins.
constexpr int ColourColumnWidth = PreviewGeometry.x() - ColumnGap - PageMargins.left();
constexpr QSize GradientPanelSize(40, 20);
constexpr int LineTypeCount = 3;

// Indexed by the stored "LineType".
const char* const LineTypeItems[] = {QT_TRANSLATE_NOOP("SettingsItems", "条形图"),
                                     QT_TRANSLATE_NOOP("SettingsItems", "折线图"),
                                     QT_TRANSLATE_NOOP("SettingsItems", "仅数值")};

TColorBox* NamedColorBox(const char* name) { return Named(new TColorBox, name); }

}  // namespace

TGraphColoursPage::TGraphColoursPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("tsColours"));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(PageMargins);
  grid->setHorizontalSpacing(ColumnGap);
  grid->addWidget(BuildColourBoxes(), 0, 0, Qt::AlignTop);
  grid->addLayout(BuildLookColumn(), 0, 1);
  grid->addLayout(BuildBackImageRow(), 1, 0, 1, 2);
  grid->setRowStretch(0, 1);
  BuildPreview();
  ConnectPreview();
}

QWidget* TGraphColoursPage::BuildColourBoxes() {
  GraphBackColor = NamedColorBox("GraphBackColor");
  GraphDataInColor = NamedColorBox("GraphDataInColor");
  GraphDataOutColor = NamedColorBox("GraphDataOutColor");
  GraphDataBothColor = NamedColorBox("GraphDataBothColor");
  GraphTextColor = NamedColorBox("GraphTextColor");
  GraphFrameColor = NamedColorBox("GraphFrameColor");
  auto* boxes = new QWidget;
  boxes->setFixedWidth(ColourColumnWidth);
  auto* form = new QFormLayout(boxes);
  form->setContentsMargins(0, 0, 0, 0);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->addRow(tr("背景(&B):"), GraphBackColor);
  form->addRow(tr("下载(&D):"), GraphDataInColor);
  form->addRow(tr("上传(&U):"), GraphDataOutColor);
  form->addRow(tr("重叠(&V):"), GraphDataBothColor);
  form->addRow(tr("文字(&X):"), GraphTextColor);
  form->addRow(tr("边框(&M):"), GraphFrameColor);
  return boxes;
}

// Under the preview: the line type and the gradient.
QLayout* TGraphColoursPage::BuildLookColumn() {
  GraphTypeRadioGroup =
      NamedRadioGroup("GraphTypeRadioGroup", tr("图表类型"), LineTypeItems, 1, GraphTypeRadioGroupItems);
  cbEnableGradient = NamedCheckBox("cbEnableGradient", tr("渐变背景(&G)"));
  PanelGradColour = Named(new TColourPanel, "PanelGradColour");
  PanelGradColour->setFixedSize(GradientPanelSize);
  PanelGradColour->setToolTip(tr("双击选择渐变颜色"));

  auto* gradient = new QHBoxLayout;
  gradient->addWidget(cbEnableGradient);
  gradient->addWidget(PanelGradColour);
  gradient->addStretch(1);
  auto* column = new QVBoxLayout;
  column->setSpacing(4);
  column->addSpacing(PreviewGeometry.bottom() + 1 + 4 - PageMargins.top());
  column->addWidget(GraphTypeRadioGroup);
  column->addLayout(gradient);
  column->addStretch(1);
  return column;
}

QLayout* TGraphColoursPage::BuildBackImageRow() {
  cbBackgroundImage = NamedCheckBox("cbBackgroundImage", tr("背景图像(&I):"));
  BackImageChooser = Named(new TFileChooser, "BackImageChooser");
  auto* row = new QHBoxLayout;
  row->addWidget(cbBackgroundImage);
  row->addWidget(BackImageChooser, 1);
  return row;
}

// The preview sits at a fixed place of the page, outside the layout.
void TGraphColoursPage::BuildPreview() {
  auto* caption = new QLabel(tr("预览:"), this);
  caption->resize(caption->sizeHint());
  caption->move(PreviewGeometry.x(), PreviewGeometry.y() - caption->height() - 2);
  GraphPreview = Named(new THistogram(this), "GraphPreview");
  GraphPreview->setGeometry(PreviewGeometry);
  GraphPreview->SetEnableAverages(true);
  GraphPreview->SetLabelIn(QStringLiteral("D"));
  GraphPreview->SetLabelOut(QStringLiteral("U"));
  GraphPreview->FillDemoData();
}

void TGraphColoursPage::ConnectPreview() {
  for (const auto& [box, value] : ColourBoxSettings()) {
    connect(box, &TColorBox::colorChanged, this, &TGraphColoursPage::RefreshPreview);
  }
  connect(cbEnableGradient, &QCheckBox::toggled, this, &TGraphColoursPage::RefreshPreview);
  connect(cbBackgroundImage, &QCheckBox::toggled, this, &TGraphColoursPage::RefreshPreview);
  connect(GraphTypeRadioGroupItems, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) RefreshPreview();
  });
  connect(PanelGradColour, &TColourPanel::doubleClicked, this, &TGraphColoursPage::PanelGradColourDblClick);
}

void TGraphColoursPage::PrepareControls() {
  BackImageChooser->SetFilter(tr("Images (*.bmp)"), QStringLiteral("*.bmp"));
}

std::vector<std::pair<TColorBox*, Colorref Settings::*>> TGraphColoursPage::ColourBoxSettings() const {
  return {{GraphBackColor, &Settings::ColorBack},       {GraphDataInColor, &Settings::ColorDataIn},
          {GraphDataOutColor, &Settings::ColorDataOut}, {GraphDataBothColor, &Settings::ColorDataBoth},
          {GraphTextColor, &Settings::ColorDataText},   {GraphFrameColor, &Settings::ColorDataFrame}};
}

void TGraphColoursPage::SettingsToControls(const Settings& settings) {
  METERLY_ASSERT(settings.LineType < LineTypeCount, "Main", "Line type out of range");
  CheckRadioItem(GraphTypeRadioGroupItems, settings.LineType);
  for (const auto& [box, value] : ColourBoxSettings()) box->SetSelectedColor(settings.*value);
  cbEnableGradient->setChecked(settings.EnableGradient);
  PanelGradColour->SetColor(settings.GradientColor);
  cbBackgroundImage->setChecked(settings.EnableBackImage);
  BackImageChooser->SetFileName(settings.BackImageFile);
  lineStep_ = settings.LineStep;
}

void TGraphColoursPage::ControlsToSettings(Settings& settings) const {
  const int lineType = GraphTypeRadioGroupItems->checkedId();
  METERLY_ASSERT(lineType >= 0 && lineType < LineTypeCount, "Main", "Line type item out of range");
  settings.LineType = static_cast<quint8>(lineType);
  for (const auto& [box, value] : ColourBoxSettings()) settings.*value = box->SelectedColor();
  settings.EnableGradient = cbEnableGradient->isChecked();
  settings.GradientColor = PanelGradColour->Color();
  settings.EnableBackImage = cbBackgroundImage->isChecked();
  settings.BackImageFile = BackImageChooser->FileName();
}

GraphLook TGraphColoursPage::PreviewLook() const {
  GraphLook look;
  look.Back = GraphBackColor->SelectedColor();
  look.In = GraphDataInColor->SelectedColor();
  look.Out = GraphDataOutColor->SelectedColor();
  look.Both = GraphDataBothColor->SelectedColor();
  look.Text = GraphTextColor->SelectedColor();
  look.Frame = GraphFrameColor->SelectedColor();
  look.Tick = look.Text;  // the preview's ticks are not lightened
  look.EnableGradient = cbEnableGradient->isChecked();
  look.GradColor = PanelGradColour->Color();
  look.LineType = static_cast<TLineType>(std::max(GraphTypeRadioGroupItems->checkedId(), 0));
  look.LineStep = lineStep_;
  return look;
}

void TGraphColoursPage::RefreshPreview() {
  ApplyGraphLook(*GraphPreview, PreviewLook());
  GraphPreview->SetBackImage(LoadBackImage(cbBackgroundImage->isChecked(), BackImageChooser->FileName()));
}

void TGraphColoursPage::PanelGradColourDblClick() {
  const QColor chosen = QColorDialog::getColor(ColorrefToQColor(PanelGradColour->Color()), this);
  if (!chosen.isValid()) return;
  PanelGradColour->SetColor(QColorToColorref(chosen));
  RefreshPreview();
}

}  // namespace meterly
