#include "app/named_controls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace meterly {

QCheckBox* NamedCheckBox(const char* name, const char* text) {
  return Named(new QCheckBox(QString::fromUtf8(text)), name);
}

QComboBox* NamedComboBox(const char* name, ItemTexts items) {
  auto* box = Named(new QComboBox, name);
  for (const char* item : items) box->addItem(QString::fromUtf8(item));
  return box;
}

QGroupBox* NamedRadioGroup(const char* name, const char* title, ItemTexts items, int columns, QButtonGroup*& buttons) {
  auto* group = Named(new QGroupBox(QString::fromUtf8(title)), name);
  buttons = new QButtonGroup(group);
  buttons->setObjectName(QLatin1String(name) + QLatin1String("Items"));
  auto* grid = new QGridLayout(group);
  grid->setContentsMargins(GroupMargins);
  int index = 0;
  for (const char* item : items) {
    auto* radio = new QRadioButton(QString::fromUtf8(item));
    buttons->addButton(radio, index);
    grid->addWidget(radio, index / columns, index % columns);
    ++index;
  }
  return group;
}

void CheckRadioItem(QButtonGroup* buttons, int index) {
  if (QAbstractButton* button = buttons->button(index)) button->setChecked(true);
}

}  // namespace meterly
