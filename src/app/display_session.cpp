#include "app/display_session.h"

#include "app/session_notice.h"
#include "core/settings.h"

#include <QCryptographicHash>

namespace meterly {

namespace {

QString Variable(const char* name) { return QString::fromLocal8Bit(qgetenv(name)); }

}  // namespace

SessionEnvironment CurrentSessionEnvironment() {
  return {Variable("QT_QPA_PLATFORM"), Variable("WAYLAND_DISPLAY"), Variable("DISPLAY")};
}

QByteArray ChooseQpaPlatform(const SessionEnvironment& environment) {
  if (!environment.QtQpaPlatform.isEmpty()) return {};
  if (environment.WaylandDisplay.isEmpty() || environment.Display.isEmpty()) return {};
  return QByteArrayLiteral("xcb");
}

QStringList UnavailableWindowFeatures(const QString& platformName, const Settings& settings) {
  // The offscreen and minimal plugins have no window system to fall short of.
  if (platformName != QLatin1String("wayland")) return {};
  QStringList features;
  if (settings.StayOnTop) features << QStringLiteral("keep the graph window on top of other windows");
  features << QStringLiteral("put the graph window back where it was");
  if (settings.ClickThruShortCut != 0) features << QStringLiteral("use a global hot key for click-through");
  return features;
}

QString UnavailableFeaturesMessage(const QStringList& features) {
  return QStringLiteral("On this Wayland session without XWayland, Meterly cannot %1.")
      .arg(features.join(QStringLiteral(", nor ")));
}

QString UnavailableFeaturesNotice(const QString& platformName, const Settings& settings, SessionNotice& notice) {
  QStringList untold;
  for (const QString& feature : UnavailableWindowFeatures(platformName, settings)) {
    const QString key =
        QString::fromLatin1(QCryptographicHash::hash(feature.toUtf8(), QCryptographicHash::Md5).toHex());
    if (notice.FirstTime(key)) untold << feature;
  }
  return untold.isEmpty() ? QString() : UnavailableFeaturesMessage(untold);
}

}  // namespace meterly
