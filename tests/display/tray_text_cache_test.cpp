#include "display/tray_text.h"

#include "core/settings.h"

#include <gtest/gtest.h>

#include <functional>

namespace meterly {
namespace {

// Whatever the text depends on that changes, the cache gives what formatting afresh gives.
TEST(TrayTextCacheTest, FormatsAgainWhenFiguresSettingsOrLanguageChange) {
  Settings settings;
  settings.TrayIconMode = TrayIconModes::DailyTraffic;
  TrayTextFigures figures;
  figures.Period.Totals = PeriodTotals{{2048, 1024, 0}, {46000, 46000}};
  QLocale locale = QLocale::c();
  TrayTextCache cache;

  struct Change {
    const char* what;
    std::function<void()> apply;
  };
  const Change changes[] = {
      {"nothing", [] {}},
      {"received bytes", [&] { figures.Period.Totals->Totals.DataIn += 1 << 20; }},
      {"the day",
       [&] {
         figures.Period.Totals->Days = {46001, 46001};
       }},
      {"unavailable",
       [&] {
         figures.Period = {std::nullopt, QStringLiteral("Usage cannot be read: disk")};
       }},
      {"the mode", [&] { settings.TrayIconMode = TrayIconModes::TransferRate; }},
      {"the means", [&] { figures.MeanIn = 4096; }},
      {"the speed unit", [&] { settings.Unit = 1; }},
      {"the language", [&] { locale = QLocale(QLocale::German); }},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.what);
    const TrayTextResult before = cache.Text(settings, figures, locale);
    change.apply();
    const TrayTextResult expected = TrayText(settings, figures, locale);
    const TrayTextResult& cached = cache.Text(settings, figures, locale);
    EXPECT_EQ(cached.Title, expected.Title);
    EXPECT_EQ(cached.Text, expected.Text);
    if (change.what != std::string_view("nothing")) {
      EXPECT_NE((cached.Title + cached.Text).toStdString(), (before.Title + before.Text).toStdString())
          << "the change must show";
    }
  }
}

}  // namespace
}  // namespace meterly
