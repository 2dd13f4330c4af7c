#include "app/graph_colours_page.h"
#include "app/graph_view_page.h"
#include "app/settings_window.h"
#include "core/shortcut.h"
#include "display/histogram.h"
#include "support/expect_assertion.h"
#include "support/windows.h"
#include "ui/color_box.h"
#include "ui/file_chooser.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QKeySequenceEdit>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QValidator>

#include <gtest/gtest.h>

namespace meterly {
namespace {

// Every value of the graph and colours pages away from its default.
Settings EditedGraphSettings() {
  Settings s;
  s.EnableGradient = false;
  s.GradientColor = 0x102030;
  s.LineType = 1;
  s.ClickThruShortCut =
      static_cast<quint16>(ShortCutModifier::Ctrl | ShortCutModifier::Alt | 'T');  // Alt sets the top bit
  s.EnableClickThrough = true;
  s.EnableMinuteTicks = true;
  s.EnableGridAndAxes = false;
  s.StayOnTop = false;
  s.ShowInTray = true;
  s.Sticky = true;
  s.EnableCaption = false;
  s.FixedScale = true;
  s.FixedScaleValue = 2147483647;
  s.EnableSmooth = false;
  s.EnableBackImage = true;
  s.BackImageFile = QStringLiteral("/home/tester/Bilder/hintergrund.bmp");
  s.LeftToRight = true;
  s.ColorBack = 0x000000;
  s.ColorDataIn = 0x0000FF;
  s.ColorDataOut = 0x00FF00;
  s.ColorDataBoth = 0x123456;  // not a named colour
  s.ColorDataText = 0xFFFFFF;
  s.ColorDataFrame = 0x00D7FF;
  s.TransparentValue = 0;
  s.EnableTransparent = true;
  return s;
}

class GraphPagesTest : public ::testing::Test {
 protected:
  GraphPagesTest()
      : view(testing_support::Child<TGraphViewPage>(window, "tsView")),
        colours(testing_support::Child<TGraphColoursPage>(window, "tsColours")),
        preview(*colours.GraphPreview) {
    window.SettingsToControls(Settings());
  }

  Settings RoundTrip(const Settings& in) {
    window.SettingsToControls(in);
    Settings out;
    window.ControlsToSettings(out);
    return out;
  }

  TSettingsWindow window;
  TGraphViewPage& view;
  TGraphColoursPage& colours;
  THistogram& preview;
};

TEST_F(GraphPagesTest, PreviewShowsDemoDataUncovered) {
  EXPECT_GT(preview.AverageIn(), 0u);
  EXPECT_GT(preview.AverageOut(), 0u);

  // Nothing of the page's layout covers the preview.
  testing_support::Child<QTabWidget>(window, "pcPages").setCurrentWidget(&colours);
  window.show();
  for (QWidget* child : colours.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child == &preview || !child->isVisible()) continue;
    EXPECT_FALSE(child->geometry().intersects(preview.geometry())) << child->metaObject()->className();
  }
  EXPECT_TRUE(colours.rect().contains(preview.geometry()));
}

TEST_F(GraphPagesTest, SettingsComeBackAsTheyWentIn) {
  const Settings edited = EditedGraphSettings();
  EXPECT_EQ(RoundTrip(edited), edited);
  EXPECT_EQ(view.ClickThruHotKey->keySequence(), QKeySequence(QStringLiteral("Ctrl+Alt+T")));

  for (quint8 lineType = 0; lineType < 3; ++lineType) {
    Settings s;
    s.LineType = lineType;
    s.TransparentValue = 100;
    EXPECT_EQ(RoundTrip(s), s) << int(lineType);
  }
}

TEST_F(GraphPagesTest, LineTypeOutOfRangeIsAConsistencyError) {
  Settings s;
  s.LineType = 3;
  testing_support::ExpectAssertion("Main", [&] { window.SettingsToControls(s); });

  TSettingsWindow fresh;  // no line type chosen yet
  testing_support::ExpectAssertion("Main", [&] {
    Settings out;
    testing_support::Child<TGraphColoursPage>(fresh, "tsColours").ControlsToSettings(out);
  });
}

TEST_F(GraphPagesTest, MaxRateTakesDigitsAndAnythingElseIsZero) {
  const QValidator* digits = view.leMaxRate->validator();
  ASSERT_NE(digits, nullptr);
  for (const auto& [typed, state] : {std::pair{"12a", QValidator::Invalid}, std::pair{"-5", QValidator::Invalid},
                                     std::pair{"4096", QValidator::Acceptable}}) {
    QString text = QLatin1String(typed);
    int position = 0;
    EXPECT_EQ(digits->validate(text, position), state) << typed;
  }

  // "2147483648" is one past the largest.
  for (const auto& [text, value] : {std::pair{"", 0}, std::pair{"2147483648", 0}, std::pair{"0100", 100}}) {
    Settings s;
    s.FixedScaleValue = 77;
    view.leMaxRate->setText(QLatin1String(text));
    view.ControlsToSettings(s);
    EXPECT_EQ(s.FixedScaleValue, value) << text;
  }
}

TEST_F(GraphPagesTest, EnablingFollowsFixedScaleAndTransparency) {
  EXPECT_FALSE(view.leMaxRate->isEnabled());
  EXPECT_FALSE(view.cbEnableClickThrough->isEnabled());
  EXPECT_FALSE(view.ClickThruHotKey->isEnabled());

  view.cbFixedScale->click();
  EXPECT_TRUE(view.leMaxRate->isEnabled());
  view.cbEnableTransparent->click();
  EXPECT_TRUE(view.cbEnableClickThrough->isEnabled());
  EXPECT_TRUE(view.ClickThruHotKey->isEnabled());
  view.cbEnableTransparent->click();
  EXPECT_FALSE(view.cbEnableClickThrough->isEnabled());

  // Loading sets the enabling without a click: the boxes may already hold these states.
  Settings s;
  s.FixedScale = false;
  s.EnableTransparent = true;
  window.SettingsToControls(s);
  EXPECT_FALSE(view.leMaxRate->isEnabled());
  EXPECT_TRUE(view.ClickThruHotKey->isEnabled());
}

TEST_F(GraphPagesTest, PreviewFollowsTheControls) {
  Settings s;
  s.LineStep = 4;
  s.GradientColor = 0x0A0B0C;
  window.SettingsToControls(s);
  window.show();  // every showing refreshes the preview
  EXPECT_EQ(preview.BackColor(), s.ColorBack);
  EXPECT_EQ(preview.ColorIn(), s.ColorDataIn);
  EXPECT_EQ(preview.TickColor(), s.ColorDataText);  // the text colour itself
  EXPECT_EQ(preview.GradColor(), 0x0A0B0Cu);
  EXPECT_EQ(preview.LineStep(), 4);
  EXPECT_TRUE(preview.EnableGradient());

  colours.GraphBackColor->setCurrentIndex(10);  // as a user's choice
  EXPECT_EQ(preview.BackColor(), colours.GraphBackColor->SelectedColor());
  colours.GraphTextColor->SetSelectedColor(0x8B0000);
  EXPECT_EQ(preview.TextColor(), 0x8B0000u);
  EXPECT_EQ(preview.TickColor(), 0x8B0000u);
  colours.GraphFrameColor->SetSelectedColor(0x00FF00);
  EXPECT_EQ(preview.FrameColor(), 0x00FF00u);
  colours.cbEnableGradient->click();
  EXPECT_FALSE(preview.EnableGradient());
  colours.GraphTypeRadioGroupItems->button(2)->click();
  EXPECT_EQ(preview.LineType(), TLineType::ltNumeric);
}

TEST_F(GraphPagesTest, PreviewBackImageFollowsTheCheckBox) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QImage picture(8, 8, QImage::Format_RGB32);
  picture.fill(Qt::green);
  const QString file = folder.filePath(QStringLiteral("back.bmp"));
  ASSERT_TRUE(picture.save(file, "BMP"));

  colours.BackImageChooser->SetFileName(file);
  EXPECT_TRUE(preview.BackImage().isNull());  // the check box is still off
  colours.cbBackgroundImage->click();
  EXPECT_EQ(preview.BackImage().size(), QSize(8, 8));
  colours.cbBackgroundImage->click();
  EXPECT_TRUE(preview.BackImage().isNull());
}

}  // namespace
}  // namespace meterly
