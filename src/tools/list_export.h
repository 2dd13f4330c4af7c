#pragma once

#include <QString>

#include <functional>

class QAbstractItemModel;

namespace meterly {

// How a tool window's list leaves it, through the program's table writers: as text for the
// clipboard, or saved as a file in one of the formats of a save dialog's filter.
struct ListExport {
  // The list as tab-separated text.
  std::function<QString(const QAbstractItemModel& list)> Text;
  // The save dialog's choices: "description|pattern" pairs joined by "|", numbered from 1.
  QString Filter;
  // Writes the list as the chosen filter number says; raises an exception when it cannot.
  std::function<void(int filter, const QAbstractItemModel& list, const QString& fileName, const QString& title)> Save;
};

}  // namespace meterly
