#include "reports/dialup_session_list.h"

#include "core/conversion.h"
#include "reports/report_query.h"

#include <QCoreApplication>

namespace meterly {

namespace {

const char* const kColumnTitles[TDialupSessionList::ColumnCount] = {
    QT_TRANSLATE_NOOP("TDialupSessionList", "连接"),     QT_TRANSLATE_NOOP("TDialupSessionList", "日期"),
    QT_TRANSLATE_NOOP("TDialupSessionList", "长度"),     QT_TRANSLATE_NOOP("TDialupSessionList", "接收时间"),
    QT_TRANSLATE_NOOP("TDialupSessionList", "发送时间"), QT_TRANSLATE_NOOP("TDialupSessionList", "总共")};

// The locale's long time without the time zone, which a start time read from the log never carries.
QString LongTimeFormat(const QLocale& locale) {
  QString format = locale.timeFormat(QLocale::LongFormat);
  format.remove(QLatin1Char('t'));
  return format.trimmed();
}

}  // namespace

std::vector<TRasItem> LoadDialupSessions(TDiskDB& db) {
  std::vector<TRasItem> sessions;
  TSQLiteDB::LockGuard lock(db);
  ForEachRow(db,
             QStringLiteral("SELECT CONN_NAME, SINCE, DURATION, DATA_IN, DATA_OUT FROM dialup ORDER BY "
                            "datetime(SINCE, '+' || DURATION || ' seconds') DESC"),
             [&] {
               sessions.push_back({db.ColumnText(0), SQLToDateTime(db.ColumnText(1)),
                                   static_cast<quint32>(db.ColumnInt64(2)), db.ColumnInt64(3), db.ColumnInt64(4)});
             });
  return sessions;
}

TDialupSessionList::TDialupSessionList(const Settings& settings, const QLocale& locale, QObject* parent)
    : QAbstractTableModel(parent), settings_(settings), locale_(locale) {}

void TDialupSessionList::SetSessions(std::vector<TRasItem> sessions) {
  beginResetModel();
  sessions_ = std::move(sessions);
  endResetModel();
}

QStringList TDialupSessionList::RowTexts(int row) const {
  const TRasItem& session = sessions_.at(static_cast<std::size_t>(row));
  const QString start = locale_.toString(session.Since.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                        locale_.toString(session.Since.time(), LongTimeFormat(locale_));
  return {session.Name,
          start,
          FormatDuration(session.Duration),
          FormatVolume(false, session.DataIn, settings_, locale_),
          FormatVolume(false, session.DataOut, settings_, locale_),
          FormatVolume(false, session.DataIn + session.DataOut, settings_, locale_)};
}

int TDialupSessionList::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(sessions_.size());
}

int TDialupSessionList::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant TDialupSessionList::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  return RowTexts(index.row()).value(index.column());
}

QVariant TDialupSessionList::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount) return {};
  return QCoreApplication::translate("TDialupSessionList", kColumnTitles[section]);
}

}  // namespace meterly
