#pragma once

#include "store/disk_db.h"
#include "store/ras_item.h"

#include <QAbstractTableModel>
#include <QLocale>

#include <vector>

namespace meterly {

struct Settings;

// The logged dial-up sessions, the one that ended last first. Takes the database lock; raises
// SQLiteException.
std::vector<TRasItem> LoadDialupSessions(TDiskDB& db);

// The list of the dial-up sessions page: connection, start, length, received, sent, total.
class TDialupSessionList : public QAbstractTableModel {
 public:
  static constexpr int ColumnCount = 6;

  explicit TDialupSessionList(const Settings& settings, const QLocale& locale = QLocale::system(),
                              QObject* parent = nullptr);

  void SetSessions(std::vector<TRasItem> sessions);
  const std::vector<TRasItem>& Sessions() const { return sessions_; }
  // The texts of row i, caption first.
  QStringList RowTexts(int row) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  const Settings& settings_;
  const QLocale locale_;
  std::vector<TRasItem> sessions_;
};

}  // namespace meterly
