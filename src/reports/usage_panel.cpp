#include "reports/usage_panel.h"

#include "base/assertion.h"
#include "core/conversion.h"
#include "core/settings.h"

#include <QCoreApplication>

#include <algorithm>

namespace meterly {

TUsagePanel::TUsagePanel(const Settings& settings, const QLocale& locale, QObject* parent)
    : QAbstractTableModel(parent),
      settings_(settings),
      locale_(locale),
      titles_{QString(), QCoreApplication::translate("TUsagePanel", "接收"),
              QCoreApplication::translate("TUsagePanel", "发送"), QCoreApplication::translate("TUsagePanel", "总共"),
              QCoreApplication::translate("TUsagePanel", "拨号")} {}

void TUsagePanel::InitPanel() {
  chart_.SetReceivedColor(settings_.ColorDataIn);
  chart_.SetSentColor(settings_.ColorDataOut);
  chart_.SetGradientTopColor(settings_.GradientColor);
  chart_.OnFormatValue = [this](QString& text, qint64 value) { text = FormatVolume(false, value, settings_, locale_); };
}

void TUsagePanel::SetKeyTitle(const QString& title) {
  titles_[0] = title;
  Q_EMIT headerDataChanged(Qt::Horizontal, 0, 0);
}

void TUsagePanel::BeginReport() {
  beginResetModel();
  rows_.clear();
  totalIn_ = 0;
  totalOut_ = 0;
  totalDialup_ = 0;
  endResetModel();
  chart_.Clear();
  filling_ = true;
}

QStringList TUsagePanel::AmountTexts(qint64 received, qint64 sent, quint32 dialupSeconds) const {
  return {FormatVolume(false, received, settings_, locale_), FormatVolume(false, sent, settings_, locale_),
          FormatVolume(false, received + sent, settings_, locale_), FormatDuration(dialupSeconds)};
}

void TUsagePanel::AppendRow(TUsagePanelRow row) {
  const int at = static_cast<int>(rows_.size());
  beginInsertRows(QModelIndex(), at, at);
  rows_.push_back(std::move(row));
  endInsertRows();
}

void TUsagePanel::AddRow(const QString& caption, const QString& chartLabel, const TDataHolder& holder,
                         quint32 dialupSeconds, qint64 sent, qint64 received) {
  METERLY_ASSERT(filling_, "UsageFrame", "AddRow is called outside of a report");
  totalIn_ += received;
  totalOut_ += sent;
  totalDialup_ += dialupSeconds;
  AppendRow({caption, AmountTexts(received, sent, dialupSeconds), holder, 0});
  if (!KeepChart) return;
  chart_.AddPoint(chartLabel.isEmpty() ? caption : chartLabel, static_cast<quint64>(std::max<qint64>(0, received)),
                  static_cast<quint64>(std::max<qint64>(0, sent)));
}

void TUsagePanel::EndReport() {
  if (ShowTotal) {
    AppendRow({QCoreApplication::translate("TUsagePanel", "Total"), AmountTexts(totalIn_, totalOut_, totalDialup_),
               TDataHolder::Greatest(), 1});
  }
  if (sortState_.Sorted()) Sort();
  filling_ = false;
}

void TUsagePanel::HeaderClicked(int column) {
  sortState_.HeaderClicked(column);
  Sort();
}

void TUsagePanel::Sort() {
  Q_EMIT layoutAboutToBeChanged();
  const int column = sortState_.Column();
  std::stable_sort(rows_.begin(), rows_.end(), [&](const TUsagePanelRow& a, const TUsagePanelRow& b) {
    return sortState_.Before(CompareHolders(a.Holder, b.Holder, column));
  });
  Q_EMIT layoutChanged();
}

int TUsagePanel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TUsagePanel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant TUsagePanel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const TUsagePanelRow& row = rows_.at(static_cast<std::size_t>(index.row()));
  if (role == ImageRole) return row.Image;
  if (role != Qt::DisplayRole) return {};
  return index.column() == 0 ? row.Caption : row.SubItems.value(index.column() - 1);
}

QVariant TUsagePanel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return titles_.value(section);
}

}  // namespace meterly
