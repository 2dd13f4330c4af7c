#pragma once

#include <QLatin1String>
#include <QMargins>
#include <QWidget>

#include <span>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;

namespace meterly {

// The settings window's controls carry the names the rest of the program knows them by.

// Item texts of combo boxes and radio groups, marked QT_TRANSLATE_NOOP("SettingsItems", ...) and
// translated as the controls are made.
using ItemTexts = std::span<const char* const>;

constexpr QMargins PageMargins(6, 6, 6, 6);
// Group boxes sit close around their controls to fit the window's fixed client size.
constexpr QMargins GroupMargins(6, 4, 6, 6);

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

QCheckBox* NamedCheckBox(const char* name, const QString& text);
QComboBox* NamedComboBox(const char* name, ItemTexts items);

// A titled group of radio buttons laid out in rows of `columns`; button ids are the item indexes.
QGroupBox* NamedRadioGroup(const char* name, const QString& title, ItemTexts items, int columns,
                           QButtonGroup*& buttons);

// Checks the item with this index; an index without an item leaves the group as it is.
void CheckRadioItem(QButtonGroup* buttons, int index);

}  // namespace meterly
