#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

namespace meterly::platform {

// One key combination that reaches the program whichever window has the keyboard.
class GlobalHotKey : public QObject {
  Q_OBJECT

 public:
  ~GlobalHotKey() override = default;

  // Takes the first combination of the sequence, releasing the one held before. On failure
  // nothing is held and *error (when given) says why.
  virtual bool Register(const QKeySequence& keys, QString* error) = 0;

  // Releases the held combination, if any.
  virtual void Unregister() = 0;

 Q_SIGNALS:
  void activated();
};

}  // namespace meterly::platform
