// meterly-test-hot-key [--wait SECONDS] KEYS...: registers each key combination in turn (each
// replacing the one before) and prints "registered KEYS" or "failed KEYS: reason" for each.
// With --wait, then waits for the last one to be pressed: prints "activated" and exits 0, or
// exits 3 when the time runs out. Exits 1 when the last registration failed.
#include "platform/linux/x11_global_hot_key.h"

#include <QGuiApplication>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int TimedOut = 3;

bool RegisterEach(meterly::platform::GlobalHotKey& hotKey, const QStringList& keys) {
  bool held = false;
  for (const QString& text : keys) {
    QString error;
    held = hotKey.Register(QKeySequence(text), &error);
    if (held) {
      std::printf("registered %s\n", qUtf8Printable(text));
    } else {
      std::printf("failed %s: %s\n", qUtf8Printable(text), qUtf8Printable(error));
    }
  }
  std::fflush(stdout);
  return held;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  QStringList keys = application.arguments().mid(1);
  int waitSeconds = 0;
  if (keys.size() >= 2 && keys.first() == QStringLiteral("--wait")) {
    waitSeconds = keys.at(1).toInt();
    keys = keys.mid(2);
  }
  if (keys.isEmpty()) {
    std::fprintf(stderr, "usage: %s [--wait SECONDS] KEYS...\n", argv[0]);
    return 2;
  }

  meterly::platform::X11GlobalHotKey hotKey;
  if (!RegisterEach(hotKey, keys)) return 1;
  if (waitSeconds <= 0) return 0;

  QObject::connect(&hotKey, &meterly::platform::GlobalHotKey::activated, &application, [] {
    std::printf("activated\n");
    std::fflush(stdout);
    QGuiApplication::exit(0);
  });
  QTimer::singleShot(waitSeconds * 1000, &application, [] { QGuiApplication::exit(TimedOut); });
  return QGuiApplication::exec();
}
