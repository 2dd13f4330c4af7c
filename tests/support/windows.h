#pragma once

// Windows in tests: freeing the ones that closed, deleting those a test left open, and answering
// modal message boxes.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <stdexcept>
#include <string>
#include <vector>

namespace meterly::testing_support {

// Lets the windows that closed free themselves.
inline void RunDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// A control of a window, found by its object name: the windows keep their controls to themselves.
template <typename Control>
Control& Child(const QObject& window, const char* name) {
  auto* child = window.findChild<Control*>(QString::fromLatin1(name));
  if (child == nullptr) throw std::logic_error(std::string("no control named ") + name);
  return *child;
}

// Deletes every top-level window of the class that is still there.
template <typename Window>
void DeleteTopLevel() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (qobject_cast<Window*>(window) != nullptr) delete window;
  }
}

// The visible top-level windows of the class.
template <typename Window>
std::vector<Window*> VisibleTopLevel() {
  std::vector<Window*> found;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<Window*>(widget); window != nullptr && window->isVisible()) found.push_back(window);
  }
  return found;
}

// Answers every modal message box that comes up with one button, noting what it said.
class MessageBoxAnswerer {
 public:
  explicit MessageBoxAnswerer(QMessageBox::StandardButton answer) {
    QObject::connect(&poll_, &QTimer::timeout, [this, answer] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      texts.push_back(box->text());
      titles.push_back(box->windowTitle());
      icons.push_back(box->icon());
      box->button(answer)->click();
    });
    poll_.start(5);
  }

  QStringList texts;
  QStringList titles;
  std::vector<QMessageBox::Icon> icons;

 private:
  QTimer poll_;
};

}  // namespace meterly::testing_support
