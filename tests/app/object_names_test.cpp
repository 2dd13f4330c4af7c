// The names the windows give their controls (the names the help and other parts find them by), by
// class, and the captions of those that have one, in one table per window.
#include "app/settings_window.h"
#include "display/graph_form.h"

#include <QTabWidget>
#include <QVariant>

#include <gtest/gtest.h>

#include <utility>

namespace meterly {
namespace {

using Names = std::initializer_list<const char*>;
using Captions = std::initializer_list<std::pair<const char*, const char*>>;

const QObject* Find(const QObject& root, const char* name) {
  return root.objectName() == QLatin1String(name) ? &root : root.findChild<QObject*>(QLatin1String(name));
}

void ExpectNamed(const QObject& root, const char* className, Names names) {
  for (const char* name : names) {
    const QObject* object = Find(root, name);
    ASSERT_NE(object, nullptr) << name;
    EXPECT_TRUE(object->inherits(className)) << name << " is a " << object->metaObject()->className();
  }
}

// A page's caption is its tab's text; other objects carry it as their text or title.
QString CaptionOf(const QObject& object) {
  const auto* page = qobject_cast<const QWidget*>(&object);
  const QWidget* stack = page ? page->parentWidget() : nullptr;
  if (auto* tabs = qobject_cast<QTabWidget*>(stack ? stack->parentWidget() : nullptr)) {
    return tabs->tabText(tabs->indexOf(const_cast<QWidget*>(page)));
  }
  for (const char* property : {"text", "title", "windowTitle"}) {
    if (const QVariant value = object.property(property); value.isValid()) return value.toString();
  }
  return {};
}

void ExpectCaptions(const QObject& root, Captions captions) {
  for (const auto& [name, caption] : captions) {
    const QObject* object = Find(root, name);
    ASSERT_NE(object, nullptr) << name;
    EXPECT_EQ(CaptionOf(*object), QString::fromUtf8(caption)) << name;
  }
}

TEST(ObjectNamesTest, SettingsWindow) {
  TSettingsWindow window;
  ExpectNamed(window, "meterly::TSettingsWindow", {"SettingsWindow"});
  ExpectNamed(window, "QTabWidget", {"pcPages"});
  ExpectNamed(window, "QWidget", {"tsMainSettings", "tsNotifications", "tsAdvanced", "HourDisplayHost"});
  ExpectNamed(window, "meterly::TGraphViewPage", {"tsView"});
  ExpectNamed(window, "meterly::TGraphColoursPage", {"tsColours"});
  ExpectNamed(window, "QCheckBox",
              {"cbEnableAutorun", "cbGraphDisplayOnStartup", "cbEnableGridLines", "cbAutoCheck", "cbGraphStayOnTop",
               "cbGraphSticky", "cbGraphCaption", "cbGraphInTrayIcon", "cnEnableAxes", "cbMinuteTicks",
               "cbSmoothSpikes", "cbLeftToRight", "cbFixedScale", "cbEnableTransparent", "cbEnableClickThrough",
               "cbEnableGradient", "cbBackgroundImage"});
  ExpectNamed(window, "QGroupBox",
              {"rgTrayIconMode", "rgUnit", "gbInterfaces", "GroupBoxHours", "GroupBox3", "GraphTypeRadioGroup"});
  ExpectNamed(window, "QButtonGroup", {"rgTrayIconModeItems", "rgUnitItems"});
  ExpectNamed(window, "QComboBox", {"cmbVolumeUnit", "cmbInterfaces", "ComboBoxWeekStarts", "ComboBoxMonthStarts"});
  ExpectNamed(window, "QLabel", {"Label1", "lblIfInfo", "ImgNetConn"});
  ExpectNamed(window, "QSpinBox", {"SpinPeakFrom", "SpinPeakTo", "udTransparent"});
  ExpectNamed(window, "QLineEdit", {"leMaxRate", "edTransparent"});
  ExpectNamed(window, "QKeySequenceEdit", {"ClickThruHotKey"});
  ExpectNamed(window, "QPushButton", {"bbHelp", "bbOk", "bbCancel", "ButtonApply", "ButtonResetGraph"});
  ExpectNamed(window, "meterly::TColorBox",
              {"GraphBackColor", "GraphDataInColor", "GraphDataOutColor", "GraphDataBothColor", "GraphTextColor",
               "GraphFrameColor"});
  ExpectNamed(window, "meterly::TColourPanel", {"PanelGradColour"});
  ExpectNamed(window, "meterly::TFileChooser", {"BackImageChooser"});
  ExpectNamed(window, "meterly::THistogram", {"GraphPreview"});
  ExpectCaptions(window, {{"SettingsWindow", "Meterly 设置"},
                          {"tsMainSettings", "常规"},
                          {"tsView", "图示"},
                          {"tsColours", "图表颜色"},
                          {"tsNotifications", "通知"},
                          {"tsAdvanced", "高级"},
                          {"bbHelp", "帮助"},
                          {"bbOk", "确定(&O)"},
                          {"bbCancel", "取消"},
                          {"ButtonApply", "应用(&A)"}});
}

TEST(ObjectNamesTest, GraphWindow) {
  Settings settings;
  TGraphForm form(settings);
  ExpectNamed(form, "meterly::TGraphForm", {"GraphForm"});
  ExpectNamed(form, "meterly::THistogram", {"Graph"});
}

}  // namespace
}  // namespace meterly
