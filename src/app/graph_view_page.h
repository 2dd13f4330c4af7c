#pragma once

#include "core/settings.h"

#include <QWidget>

#include <utility>
#include <vector>

class QCheckBox;
class QGroupBox;
class QKeySequenceEdit;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace meterly {

// The settings window's graph page ("图示", tsView): how the floating graph window behaves
// and what its graph shows, its opacity and the click-through hot key.
class TGraphViewPage : public QWidget {
  Q_OBJECT

 public:
  explicit TGraphViewPage(QWidget* parent = nullptr);

  void SettingsToControls(const Settings& settings);
  void ControlsToSettings(Settings& settings) const;

  // leMaxRate follows cbFixedScale; cbEnableClickThrough and ClickThruHotKey follow
  // cbEnableTransparent.
  void UpdateEnabling();

  QGroupBox* gbGraphWindow;
  QCheckBox* cbGraphStayOnTop;
  QCheckBox* cbGraphSticky;
  QCheckBox* cbGraphCaption;
  QCheckBox* cbGraphInTrayIcon;
  QPushButton* ButtonResetGraph;

  QGroupBox* gbGraphScale;
  QCheckBox* cnEnableAxes;
  QCheckBox* cbMinuteTicks;
  QCheckBox* cbSmoothSpikes;
  QCheckBox* cbLeftToRight;
  QCheckBox* cbFixedScale;
  QLineEdit* leMaxRate;

  QGroupBox* gbTransparency;
  QCheckBox* cbEnableTransparent;
  QSpinBox* udTransparent;
  QLineEdit* edTransparent;  // the editor inside udTransparent
  QCheckBox* cbEnableClickThrough;
  QKeySequenceEdit* ClickThruHotKey;

 private:
  QWidget* BuildWindowBox();
  QWidget* BuildScaleBox();
  QWidget* BuildTransparencyBox();
  void KeepFirstKeyOnly();
  // The page's check boxes and the settings they edit.
  std::vector<std::pair<QCheckBox*, bool Settings::*>> CheckBoxSettings() const;
};

}  // namespace meterly
