#include "app/display_session.h"

#include "app/session_notice.h"
#include "core/settings.h"

#include <QCoreApplication>
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
  // As written: the texts are also the keys of what the session has been told.
  if (settings.StayOnTop)
    features << QStringLiteral(QT_TRANSLATE_NOOP("DisplaySession", "keep the graph window on top of other windows"));
  features << QStringLiteral(QT_TRANSLATE_NOOP("DisplaySession", "put the graph window back where it was"));
  if (settings.ClickThruShortCut != 0) {
    features << QStringLiteral(QT_TRANSLATE_NOOP("DisplaySession", "use a global hot key for click-through"));
  }
  return features;
}

QString UnavailableFeaturesMessage(const QStringList& features) {
  QStringList shown;
  for (const QString& feature : features)
    shown << QCoreApplication::translate("DisplaySession", feature.toUtf8().constData());
  return QCoreApplication::translate("DisplaySession", "On this Wayland session without XWayland, Meterly cannot %1.")
      .arg(shown.join(QCoreApplication::translate("DisplaySession", ", nor ")));
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
