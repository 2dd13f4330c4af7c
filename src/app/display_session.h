#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace meterly {

struct Settings;
class SessionNotice;

// What the environment says about the desktop session, read before the application exists.
struct SessionEnvironment {
  QString QtQpaPlatform;   // QT_QPA_PLATFORM: the user's own choice, if any
  QString WaylandDisplay;  // WAYLAND_DISPLAY: a Wayland session
  QString Display;         // DISPLAY: an X server, on Wayland that is XWayland
};

SessionEnvironment CurrentSessionEnvironment();

// The platform plugin to ask the toolkit for, or empty to leave its choice. On a Wayland
// session with XWayland the program runs on X11, where the graph window can stay on top and keep
// its position and the global hot key works; a choice of the user's own always stands.
QByteArray ChooseQpaPlatform(const SessionEnvironment& environment);

// The settings that the window system in use cannot honour, as phrases for a message; empty on
// X11, where everything works.
QStringList UnavailableWindowFeatures(const QString& platformName, const Settings& settings);

// The message for those features.
QString UnavailableFeaturesMessage(const QStringList& features);

// The message for the unavailable features not told yet this session; empty when there is none.
QString UnavailableFeaturesNotice(const QString& platformName, const Settings& settings, SessionNotice& notice);

}  // namespace meterly
