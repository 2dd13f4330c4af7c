// The names the windows give their controls and menu items (the names other parts and the help
// find them by), each with its class and, where it has one, its caption.
#include "app/settings_window.h"
#include "display/graph_form.h"
#include "display/tray_menu.h"
#include "support/tray_test_actions.h"

#include <QTabWidget>
#include <QVariant>

#include <gtest/gtest.h>

#include <memory>

namespace meterly {
namespace {

struct Named {
  const char* name;
  const char* className;
  const char* caption;  // nullptr: none to check
};

// A page's caption is its tab's text; other objects carry it as their text or title.
QString CaptionOf(const QObject& object) {
  if (const auto* widget = qobject_cast<const QWidget*>(&object)) {
    if (auto* tabs =
            qobject_cast<QTabWidget*>(widget->parentWidget() ? widget->parentWidget()->parentWidget() : nullptr)) {
      return tabs->tabText(tabs->indexOf(const_cast<QWidget*>(widget)));
    }
  }
  for (const char* property : {"text", "title", "windowTitle"}) {
    const QVariant value = object.property(property);
    if (value.isValid()) return value.toString();
  }
  return {};
}

void ExpectNamed(const QObject& root, std::initializer_list<Named> table) {
  for (const Named& row : table) {
    SCOPED_TRACE(row.name);
    const QObject* object =
        root.objectName() == QLatin1String(row.name) ? &root : root.findChild<QObject*>(QLatin1String(row.name));
    ASSERT_NE(object, nullptr);
    EXPECT_TRUE(object->inherits(row.className)) << object->metaObject()->className();
    if (row.caption != nullptr) {
      EXPECT_EQ(CaptionOf(*object), QString::fromUtf8(row.caption));
    }
  }
}

TEST(ObjectNamesTest, SettingsWindow) {
  TSettingsWindow window;
  ExpectNamed(window, {
                          {"SettingsWindow", "meterly::TSettingsWindow", "Meterly 设置"},
                          {"pcPages", "QTabWidget", nullptr},
                          {"tsMainSettings", "QWidget", "常规"},
                          {"tsView", "meterly::TGraphViewPage", "图示"},
                          {"tsColours", "meterly::TGraphColoursPage", "图表颜色"},
                          {"tsNotifications", "QWidget", "通知"},
                          {"tsAdvanced", "QWidget", "高级"},
                          {"cbEnableAutorun", "QCheckBox", nullptr},
                          {"cbGraphDisplayOnStartup", "QCheckBox", nullptr},
                          {"cbEnableGridLines", "QCheckBox", nullptr},
                          {"cbAutoCheck", "QCheckBox", nullptr},
                          {"rgTrayIconMode", "QGroupBox", nullptr},
                          {"rgTrayIconModeItems", "QButtonGroup", nullptr},
                          {"rgUnit", "QGroupBox", nullptr},
                          {"gbInterfaces", "QGroupBox", nullptr},
                          {"cmbVolumeUnit", "QComboBox", nullptr},
                          {"cmbInterfaces", "QComboBox", nullptr},
                          {"Label1", "QLabel", nullptr},
                          {"lblIfInfo", "QLabel", nullptr},
                          {"ImgNetConn", "QLabel", nullptr},
                          {"GroupBoxHours", "QGroupBox", nullptr},
                          {"HourDisplayHost", "QWidget", nullptr},
                          {"GroupBox3", "QGroupBox", nullptr},
                          {"SpinPeakFrom", "QSpinBox", nullptr},
                          {"SpinPeakTo", "QSpinBox", nullptr},
                          {"ComboBoxWeekStarts", "QComboBox", nullptr},
                          {"ComboBoxMonthStarts", "QComboBox", nullptr},
                          {"bbHelp", "QPushButton", "帮助"},
                          {"bbOk", "QPushButton", "确定(&O)"},
                          {"bbCancel", "QPushButton", "取消"},
                          {"ButtonApply", "QPushButton", "应用(&A)"},
                          // the graph page
                          {"cbGraphStayOnTop", "QCheckBox", nullptr},
                          {"cbGraphSticky", "QCheckBox", nullptr},
                          {"cbGraphCaption", "QCheckBox", nullptr},
                          {"cbGraphInTrayIcon", "QCheckBox", nullptr},
                          {"cnEnableAxes", "QCheckBox", nullptr},
                          {"cbMinuteTicks", "QCheckBox", nullptr},
                          {"cbSmoothSpikes", "QCheckBox", nullptr},
                          {"cbLeftToRight", "QCheckBox", nullptr},
                          {"cbFixedScale", "QCheckBox", nullptr},
                          {"cbEnableTransparent", "QCheckBox", nullptr},
                          {"cbEnableClickThrough", "QCheckBox", nullptr},
                          {"leMaxRate", "QLineEdit", nullptr},
                          {"udTransparent", "QSpinBox", nullptr},
                          {"edTransparent", "QLineEdit", nullptr},
                          {"ClickThruHotKey", "QKeySequenceEdit", nullptr},
                          {"ButtonResetGraph", "QPushButton", nullptr},
                          // the colours page
                          {"GraphBackColor", "meterly::TColorBox", nullptr},
                          {"GraphDataInColor", "meterly::TColorBox", nullptr},
                          {"GraphDataOutColor", "meterly::TColorBox", nullptr},
                          {"GraphDataBothColor", "meterly::TColorBox", nullptr},
                          {"GraphTextColor", "meterly::TColorBox", nullptr},
                          {"GraphFrameColor", "meterly::TColorBox", nullptr},
                          {"cbEnableGradient", "QCheckBox", nullptr},
                          {"PanelGradColour", "meterly::TColourPanel", nullptr},
                          {"cbBackgroundImage", "QCheckBox", nullptr},
                          {"BackImageChooser", "meterly::TFileChooser", nullptr},
                          {"GraphTypeRadioGroup", "QGroupBox", nullptr},
                          {"GraphPreview", "meterly::THistogram", nullptr},
                      });
}

TEST(ObjectNamesTest, GraphWindow) {
  Settings settings;
  TGraphForm form(settings);
  ExpectNamed(form, {{"GraphForm", "meterly::TGraphForm", nullptr}, {"Graph", "meterly::THistogram", nullptr}});
}

// The tray menu's items, in their order.
TEST(ObjectNamesTest, TrayMenu) {
  testing_support::OwnedTrayActions owned;
  TTrayMenu menu(owned.actions, [] { return TrayMenuConditions{}; });
  const std::initializer_list<Named> items = {
      {"pmiGraph", "QAction", nullptr},
      {"pmiResetGraph", "QAction", nullptr},
      {"pmiEnableClickThrough", "QAction", nullptr},
      {"pmiSpeedMeter", "QAction", "网速测试(&A)"},
      {"pmiTotals", "QAction", "使用统计(&U)"},
      {"Quota1", "QAction", "配额(&Q)"},
      {"pmiOptions", "QAction", nullptr},
      {"pmiTraceRoute", "QAction", "路由跟踪 (&T)..."},
      {"pmiPing", "QAction", "Ping(&P) ..."},
      {"pmiNetStat", "QAction", "网络统计"},
      {"N4", "QAction", nullptr},
      {"pmiHelp", "QAction", nullptr},
      {"pmiAbout", "QAction", nullptr},
      {"pmiExit", "QAction", nullptr},
  };
  ExpectNamed(menu, items);
  QStringList order;
  for (const QAction* item : menu.actions()) order << item->objectName();
  QStringList expected;
  for (const Named& row : items) expected << QLatin1String(row.name);
  EXPECT_EQ(order, expected);
}

}  // namespace
}  // namespace meterly
