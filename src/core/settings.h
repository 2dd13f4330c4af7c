#pragma once

#include "core/adapter_entry.h"
#include "core/auto_update_settings.h"
#include "core/colorref.h"
#include "core/quota_definition.h"
#include "core/value_range.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace meterly {

class SettingsStore;

// Bits of Settings::NotifyActions.
namespace NotifyAction {
constexpr quint8 MsgAndSound = 1 << 0;
constexpr quint8 ExecProg = 1 << 1;
constexpr quint8 DropDialup = 1 << 2;
constexpr quint8 Shutdown = 1 << 3;
constexpr quint8 ShowGraph = 1 << 4;
}  // namespace NotifyAction

// Values of Settings::LineType.
namespace LineTypes {
constexpr quint8 Bars = 0;
constexpr quint8 PolyLine = 1;
constexpr quint8 NumbersOnly = 2;
}  // namespace LineTypes

struct GraphBounds {
  qint32 Left = 0;
  qint32 Top = 0;
  qint32 Width = 290;
  qint32 Height = 114;

  friend bool operator==(const GraphBounds&, const GraphBounds&) = default;
};

struct TraceRouteSettings {
  QString HostName;  // host history, comma-separated
  bool EnableResolving = true;
  qint16 TimeOut = 1000;

  friend bool operator==(const TraceRouteSettings&, const TraceRouteSettings&) = default;
};

struct PingSettings {
  QString HostName;  // host history, comma-separated
  qint16 EchoPackets = 3;
  qint16 TimeOut = 1000;

  friend bool operator==(const PingSettings&, const PingSettings&) = default;
};

// What the defaults depend on.
struct SettingsContext {
  int localeFirstDayOfWeek = 0;  // 0 Monday ... 6 Sunday; -1 when the locale cannot be read
  int screenWidth = 0;           // primary screen
  int screenHeight = 0;
  QDateTime now;  // local time
};

// Every user setting, held in the width it is stored with. Values live from LoadSettings to
// the end of the process; SaveSettings writes all of them.
struct Settings {
  QuotaDefinition Quota;
  bool EnableQuotaOveruseMessage = false;
  qint16 QuotaOverusePercentage = 80;

  bool EnableChart = true;
  quint8 HoursShown = 0;     // 0 all hours, 1 peak hours, 2 off-peak hours
  quint8 WeekStartsOn = 0;   // 1 Monday ... 7 Sunday; 0 when the locale could not tell
  quint8 MonthStartsOn = 1;  // 1 ... 31

  QString InterfaceGuid = AllConnectionsGuid;
  bool DisplayOnStartup = false;
  bool EnableGridLines = true;
  quint8 TrayIconMode = 0;
  bool EnableAutoRun = true;
  quint8 Unit = 0;  // speeds in 0 bytes or 1 bits per second
  bool EnableGradient = true;
  Colorref GradientColor = 0xFFBBBB;
  quint8 VolumeUnit = 0;

  qint32 PeakHourFrom = 9;
  qint32 PeakHourTo = 23;
  Colorref OnPeakColor = 0x6EDCFA;
  Colorref OffPeakColor = 0x64DC96;

  bool EnableNotifications = false;
  quint8 NotifyCondition = 0;
  qint16 NotifyConditionAmountMb = 1;
  qint16 NotifyTimeMin = 1;
  quint8 NotifyActions = 0;  // NotifyAction bits
  QString NotifySound;
  QString ExecProg;

  quint8 LineType = 0;  // 0 bars, 1 poly-line, 2 numbers only
  qint32 LineStep = 3;
  quint16 ClickThruShortCut = 0;  // shortcut code: virtual key + 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt
  bool EnableClickThrough = false;
  bool EnableMinuteTicks = false;
  bool EnableGridAndAxes = true;
  bool StayOnTop = true;
  bool ShowInTray = false;
  bool Sticky = false;
  bool EnableCaption = true;
  GraphBounds GraphWindow;
  bool FixedScale = false;
  qint32 FixedScaleValue = 0;
  bool EnableSmooth = true;
  bool EnableBackImage = false;
  QString BackImageFile;
  bool LeftToRight = false;
  Colorref ColorBack = 0xFFFFFF;
  Colorref ColorDataIn = 0xCD0000;
  Colorref ColorDataOut = 0x32CD32;
  Colorref ColorDataBoth = 0x32CD32;
  Colorref ColorDataText = 0x000000;
  Colorref ColorDataFrame = 0xC0C0C0;
  qint32 TransparentValue = 50;
  bool EnableTransparent = false;

  TraceRouteSettings TraceRoute;
  PingSettings Ping;

  qint32 CustomDateFrom = 0;  // day serials
  qint32 CustomDateTo = 0;
  QString ReportSaveFolder;
  qint32 ReportSaveFormat = 0;

  AutoUpdateSettings AutoUpdate;

  friend bool operator==(const Settings&, const Settings&) = default;

  // Visits every value after the quota definition and before "AutoUpdate", in the stored
  // order, with its default.
  // Self is Settings or const Settings, so that one list serves loading and saving.
  template <typename Self, typename Visitor>
  static void Visit(Self& s, Visitor& v, const Settings& defaults);
};

// The defaults of every value, computed defaults included.
Settings DefaultSettings(const SettingsContext& context);

template <typename Self, typename Visitor>
void Settings::Visit(Self& s, Visitor& v, const Settings& d) {
  v.flag("Quota", "EnableQuotaOveruseMessage", s.EnableQuotaOveruseMessage, d.EnableQuotaOveruseMessage);
  v.integer("Quota", "QuotaOverusePercentage", s.QuotaOverusePercentage, d.QuotaOverusePercentage, {1, 100});

  v.flag("Usage", "EnableChart", s.EnableChart, d.EnableChart);
  v.integer("Usage", "HoursShown", s.HoursShown, d.HoursShown, {0, 2});
  v.integer("Usage", "WeekStartsOn", s.WeekStartsOn, d.WeekStartsOn, {0, 7});
  v.integer("Usage", "MonthStartsOn", s.MonthStartsOn, d.MonthStartsOn, {1, 31});

  v.text("Main", "InterfaceGuid", s.InterfaceGuid, d.InterfaceGuid);
  v.flag("Main", "DisplayOnStartup", s.DisplayOnStartup, d.DisplayOnStartup);
  v.flag("Main", "EnableGridLines", s.EnableGridLines, d.EnableGridLines);
  v.integer("Main", "TrayIconMode", s.TrayIconMode, d.TrayIconMode, {0, 5});
  v.flag("Main", "EnableAutoRun", s.EnableAutoRun, d.EnableAutoRun);
  v.integer("Main", "Unit", s.Unit, d.Unit, {0, 1});
  v.flag("Main", "EnableGradient", s.EnableGradient, d.EnableGradient);
  v.integer("Main", "GradientColor", s.GradientColor, d.GradientColor);
  v.integer("Main", "VolumeUnit", s.VolumeUnit, d.VolumeUnit, {0, 4});

  v.integer("Advanced", "PeakHourFrom", s.PeakHourFrom, d.PeakHourFrom, {0, 23});
  v.integer("Advanced", "PeakHourTo", s.PeakHourTo, d.PeakHourTo, {0, 23});
  v.integer("Advanced", "OnPeakColor", s.OnPeakColor, d.OnPeakColor);
  v.integer("Advanced", "OffPeakColor", s.OffPeakColor, d.OffPeakColor);

  v.flag("Notifications", "EnableNotifications", s.EnableNotifications, d.EnableNotifications);
  v.integer("Notifications", "NotifyCondition", s.NotifyCondition, d.NotifyCondition, {0, 7});
  v.integer("Notifications", "NotifyConditionAmountMb", s.NotifyConditionAmountMb, d.NotifyConditionAmountMb,
            {1, 32767});
  v.integer("Notifications", "NotifyTimeMin", s.NotifyTimeMin, d.NotifyTimeMin, {1, 32767});
  v.flagBit("Notifications", "EnableMsgAndSound", s.NotifyActions, NotifyAction::MsgAndSound);
  v.flagBit("Notifications", "EnableExecProg", s.NotifyActions, NotifyAction::ExecProg);
  v.flagBit("Notifications", "EnableDropDialup", s.NotifyActions, NotifyAction::DropDialup);
  v.flagBit("Notifications", "Shutdown", s.NotifyActions, NotifyAction::Shutdown);
  v.flagBit("Notifications", "ShowGraph", s.NotifyActions, NotifyAction::ShowGraph);
  v.text("Notifications", "NotifySound", s.NotifySound, d.NotifySound);
  v.text("Notifications", "ExecProg", s.ExecProg, d.ExecProg);

  v.integer("Graph", "LineType", s.LineType, d.LineType, {0, 2});
  v.integer("Graph", "LineStep", s.LineStep, d.LineStep, {1, 100});
  v.integer("Graph", "ClickThruShortCut", s.ClickThruShortCut, d.ClickThruShortCut);
  v.flag("Graph", "EnableClickThrough", s.EnableClickThrough, d.EnableClickThrough);
  v.flag("Graph", "EnableMinuteTicks", s.EnableMinuteTicks, d.EnableMinuteTicks);
  v.flag("Graph", "EnableGridAndAxes", s.EnableGridAndAxes, d.EnableGridAndAxes);
  v.flag("Graph", "StayOnTop", s.StayOnTop, d.StayOnTop);
  v.flag("Graph", "ShowInTray", s.ShowInTray, d.ShowInTray);
  v.flag("Graph", "Sticky", s.Sticky, d.Sticky);
  v.flag("Graph", "EnableCaption", s.EnableCaption, d.EnableCaption);
  v.integer("Graph", "Width", s.GraphWindow.Width, d.GraphWindow.Width, {1, 65535});
  v.integer("Graph", "Height", s.GraphWindow.Height, d.GraphWindow.Height, {1, 65535});
  v.integer("Graph", "Left", s.GraphWindow.Left, d.GraphWindow.Left, {-65535, 65535});
  v.integer("Graph", "Top", s.GraphWindow.Top, d.GraphWindow.Top, {-65535, 65535});
  v.flag("Graph", "FixedScale", s.FixedScale, d.FixedScale);
  v.integer("Graph", "FixedScaleValue", s.FixedScaleValue, d.FixedScaleValue, {0, 2147483647});
  v.flag("Graph", "EnableSmooth", s.EnableSmooth, d.EnableSmooth);
  v.flag("Graph", "EnableBackImage", s.EnableBackImage, d.EnableBackImage);
  v.text("Graph", "BackImageFile", s.BackImageFile, d.BackImageFile);
  v.flag("Graph", "LeftToRight", s.LeftToRight, d.LeftToRight);
  v.integer("Graph", "ColorBack", s.ColorBack, d.ColorBack);
  v.integer("Graph", "ColorDataIn", s.ColorDataIn, d.ColorDataIn);
  v.integer("Graph", "ColorDataOut", s.ColorDataOut, d.ColorDataOut);
  v.integer("Graph", "ColorDataBoth", s.ColorDataBoth, d.ColorDataBoth);
  v.integer("Graph", "ColorDataText", s.ColorDataText, d.ColorDataText);
  v.integer("Graph", "ColorDataFrame", s.ColorDataFrame, d.ColorDataFrame);
  v.integer("Graph", "TransparentValue", s.TransparentValue, d.TransparentValue, {0, 100});
  v.flag("Graph", "EnableTransparent", s.EnableTransparent, d.EnableTransparent);

  v.text("TraceRoute", "HostName", s.TraceRoute.HostName, d.TraceRoute.HostName);
  v.flag("TraceRoute", "EnableResolving", s.TraceRoute.EnableResolving, d.TraceRoute.EnableResolving);
  v.integer("TraceRoute", "TimeOut", s.TraceRoute.TimeOut, d.TraceRoute.TimeOut, {1, 32767});

  v.text("Ping", "HostName", s.Ping.HostName, d.Ping.HostName);
  v.integer("Ping", "EchoPackets", s.Ping.EchoPackets, d.Ping.EchoPackets, {1, 32767});
  v.integer("Ping", "TimeOut", s.Ping.TimeOut, d.Ping.TimeOut, {1, 32767});

  v.integer("Totals", "CustomDateFrom", s.CustomDateFrom, d.CustomDateFrom, DaySerials);
  v.integer("Totals", "CustomDateTo", s.CustomDateTo, d.CustomDateTo, DaySerials);
  v.text("Totals", "ReportSaveFolder", s.ReportSaveFolder, d.ReportSaveFolder);
  v.integer("Totals", "ReportSaveFormat", s.ReportSaveFormat, d.ReportSaveFormat, {0, 5});
}

// Reads every value except the "AutoUpdate" section (the version checker reads that when it
// is created): first the quota definition, then the rest in the stored order.
// A stored number outside its range takes its default, and a line naming it is added to
// problems when given.
void LoadSettings(const SettingsStore& store, Settings& settings, const SettingsContext& context,
                  QStringList* problems = nullptr);

// Writes every value, the "AutoUpdate" section last, then commits the store to disk.
// Throws platform::RegistryError when the store cannot be written.
void SaveSettings(SettingsStore& store, const Settings& settings);

}  // namespace meterly
