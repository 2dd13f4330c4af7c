#include "tools/tool_spin_boxes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

namespace meterly {

QSpinBox* AddSpinBox(QHBoxLayout& row, const char* name, const QString& label, SpinRange range) {
  auto* box = new QSpinBox;
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(range.Minimum, range.Maximum);
  box->setSingleStep(range.Step);
  // Before the stretch and the animation at the row's end.
  const int at = row.count() - 2;
  row.insertWidget(at, new QLabel(label));
  row.insertWidget(at + 1, box);
  return box;
}

}  // namespace meterly
