#include "core/settings.h"

#include "base/assertion.h"
#include "base/date_serial.h"
#include "core/settings_store.h"

#include <QCoreApplication>

namespace meterly {

namespace {

// Reads each visited value from the store into its field, cut to the field's width.
class SettingsLoader {
 public:
  explicit SettingsLoader(const SettingsStore& store, QStringList* problems = nullptr)
      : store_(store), problems_(problems) {}

  void flag(const char* section, const char* name, bool& field, bool def) {
    field = store_.ReadBool(QLatin1String(section), QLatin1String(name), def);
  }

  void flagBit(const char* section, const char* name, quint8& set, quint8 bit) {
    if (store_.ReadBool(QLatin1String(section), QLatin1String(name), false)) {
      set |= bit;
    } else {
      set &= static_cast<quint8>(~bit);
    }
  }

  template <typename T>
  void integer(const char* section, const char* name, T& field, T def, ValueRange range = AnyValue) {
    const qint32 stored = store_.ReadInteger(QLatin1String(section), QLatin1String(name), static_cast<qint32>(def));
    if (range.Contains(stored)) {
      field = static_cast<T>(stored);
      return;
    }
    field = def;
    if (problems_ != nullptr) {
      problems_->append(QCoreApplication::translate(
                            "Settings", "the stored setting %1\\%2 = %3 is outside %4 to %5; the default %6 applies")
                            .arg(QLatin1String(section), QLatin1String(name))
                            .arg(stored)
                            .arg(range.Min)
                            .arg(range.Max)
                            .arg(static_cast<qint64>(def)));
    }
  }

  void text(const char* section, const char* name, QString& field, const QString& def) {
    field = store_.ReadString(QLatin1String(section), QLatin1String(name), def);
  }

  void dateTime(const char* section, const char* name, double& field, double def) {
    field = store_.ReadDateTime(QLatin1String(section), QLatin1String(name), def);
  }

 private:
  const SettingsStore& store_;
  QStringList* problems_;
};

// Writes each visited field to the store.
class SettingsSaver {
 public:
  explicit SettingsSaver(SettingsStore& store) : store_(store) {}

  void flag(const char* section, const char* name, const bool& field, bool) {
    store_.WriteBool(QLatin1String(section), QLatin1String(name), field);
  }

  void flagBit(const char* section, const char* name, const quint8& set, quint8 bit) {
    store_.WriteBool(QLatin1String(section), QLatin1String(name), (set & bit) != 0);
  }

  template <typename T>
  void integer(const char* section, const char* name, const T& field, T, ValueRange = AnyValue) {
    store_.WriteInteger(QLatin1String(section), QLatin1String(name), static_cast<qint32>(field));
  }

  void text(const char* section, const char* name, const QString& field, const QString&) {
    store_.WriteString(QLatin1String(section), QLatin1String(name), field);
  }

  void dateTime(const char* section, const char* name, const double& field, double) {
    store_.WriteDateTime(QLatin1String(section), QLatin1String(name), field);
  }

 private:
  SettingsStore& store_;
};

quint8 DefaultWeekStart(int localeFirstDayOfWeek) {
  if (localeFirstDayOfWeek < 0) return 0;
  METERLY_ASSERT(localeFirstDayOfWeek <= 6, "Main", "The locale's first day of the week is out of range");
  return static_cast<quint8>(localeFirstDayOfWeek + 1);
}

}  // namespace

Settings DefaultSettings(const SettingsContext& context) {
  Settings d;
  d.WeekStartsOn = DefaultWeekStart(context.localeFirstDayOfWeek);
  d.GraphWindow.Left = context.screenWidth / 2 - d.GraphWindow.Width / 2;
  d.GraphWindow.Top = context.screenHeight / 2 - d.GraphWindow.Height / 2;
  const QDate today = context.now.date();
  d.CustomDateFrom = DateToDaySerial(today.addMonths(-1));
  d.CustomDateTo = DateToDaySerial(today);
  d.AutoUpdate.LastAutoCheckDate = DateToDaySerial(today);
  return d;
}

void QuotaDefinition::LoadFromSettings(const SettingsStore* store, double now, QStringList* problems) {
  METERLY_ASSERT(store != nullptr, "Quota", "No settings to load the quota from");
  SettingsLoader loader(*store, problems);
  Visit(*this, loader, now);
}

void QuotaDefinition::SaveToSettings(SettingsStore* store) const {
  METERLY_ASSERT(store != nullptr, "Quota", "No settings to save the quota to");
  SettingsSaver saver(*store);
  Visit(*this, saver, QuotaNextNotify);
}

void AutoUpdateSettings::Load(const SettingsStore& store, qint32 today) {
  SettingsLoader loader(store);
  Visit(*this, loader, today);
}

void AutoUpdateSettings::Save(SettingsStore& store) const {
  SettingsSaver saver(store);
  Visit(*this, saver, LastAutoCheckDate);
}

void LoadSettings(const SettingsStore& store, Settings& settings, const SettingsContext& context,
                  QStringList* problems) {
  settings.Quota.LoadFromSettings(&store, DateTimeToSerial(context.now), problems);
  const Settings defaults = DefaultSettings(context);
  SettingsLoader loader(store, problems);
  Settings::Visit(settings, loader, defaults);
}

void SaveSettings(SettingsStore& store, const Settings& settings) {
  settings.Quota.SaveToSettings(&store);
  SettingsSaver saver(store);
  Settings::Visit(settings, saver, settings);
  settings.AutoUpdate.Save(store);
  store.Commit();
}

}  // namespace meterly
