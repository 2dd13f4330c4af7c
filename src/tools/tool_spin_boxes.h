#pragma once

#include <QString>

class QHBoxLayout;
class QSpinBox;

namespace meterly {

struct SpinRange {
  int Minimum;
  int Maximum;
  int Step;
};

constexpr SpinRange kTimeOutRange{100, 10000, 1000};  // ms
constexpr SpinRange kAttemptsRange{1, 100, 1};

// A labelled spin box with the range, added to the end of a tool window's options row
// (before its stretch and animation).
QSpinBox* AddSpinBox(QHBoxLayout& row, const char* name, const QString& label, SpinRange range);

}  // namespace meterly
