#include "app/named_controls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace meterly {
namespace {

QString ItemText(const char* item) { return QCoreApplication::translate("SettingsItems", item); }

}  // namespace

QCheckBox* NamedCheckBox(const char* name, const QString& text) { return Named(new QCheckBox(text), name); }

QComboBox* NamedComboBox(const char* name, ItemTexts items) {
  auto* box = Named(new QComboBox, name);
  for (const char* item : items) box->addItem(ItemText(item));
  return box;
}

QGroupBox* NamedRadioGroup(const char* name, const QString& title, ItemTexts items, int columns,
                           QButtonGroup*& buttons) {
  auto* group = Named(new QGroupBox(title), name);
  buttons = new QButtonGroup(group);
  buttons->setObjectName(QLatin1String(name) + QLatin1String("Items"));
  auto* grid = new QGridLayout(group);
  grid->setContentsMargins(GroupMargins);
  int index = 0;
  for (const char* item : items) {
    auto* radio = new QRadioButton(ItemText(item));
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
