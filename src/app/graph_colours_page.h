#pragma once

#include "core/settings.h"
#include "display/graph_settings.h"

#include <QWidget>

#include <utility>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;

namespace meterly {

class TColorBox;
class TColourPanel;
class TFileChooser;
class THistogram;

// The settings window's colours page ("图表颜色", tsColours): the graph colours, the gradient,
// the back image and the line type, with a preview graph that follows them as they change.
class TGraphColoursPage : public QWidget {
  Q_OBJECT

 public:
  explicit TGraphColoursPage(QWidget* parent = nullptr);

  // Gives the back image chooser its filter.
  void PrepareControls();

  // A stored "LineType" the radio group cannot show raises EAssertionFailed naming "Main".
  void SettingsToControls(const Settings& settings);
  void ControlsToSettings(Settings& settings) const;

  // The preview takes the controls' look and back image.
  void RefreshPreview();
  GraphLook PreviewLook() const;

  TColorBox* GraphBackColor;
  TColorBox* GraphDataInColor;
  TColorBox* GraphDataOutColor;
  TColorBox* GraphDataBothColor;
  TColorBox* GraphTextColor;
  TColorBox* GraphFrameColor;
  QCheckBox* cbEnableGradient;
  TColourPanel* PanelGradColour;
  QGroupBox* GraphTypeRadioGroup;
  QButtonGroup* GraphTypeRadioGroupItems;  // button id = stored line type
  QCheckBox* cbBackgroundImage;
  TFileChooser* BackImageChooser;
  THistogram* GraphPreview;

 private:
  QWidget* BuildColourBoxes();
  QLayout* BuildLookColumn();
  QLayout* BuildBackImageRow();
  void BuildPreview();
  void ConnectPreview();
  void PanelGradColourDblClick();
  std::vector<std::pair<TColorBox*, Colorref Settings::*>> ColourBoxSettings() const;

  int lineStep_ = 3;  // no control edits it; the preview draws with the stored one
};

}  // namespace meterly
