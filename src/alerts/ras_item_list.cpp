#include "alerts/ras_item_list.h"

#include "base/assertion.h"

#include <algorithm>

namespace meterly {

TRasItem* TRasItemList::Find(const QString& name) {
  const auto found =
      std::find_if(items_.begin(), items_.end(), [&](const TRasItem& item) { return item.Name == name; });
  return found == items_.end() ? nullptr : &*found;
}

const TRasItem* TRasItemList::Find(const QString& name) const { return const_cast<TRasItemList*>(this)->Find(name); }

TRasItem& TRasItemList::Add(TRasItem item) { return items_.emplace_back(std::move(item)); }

TRasItem TRasItemList::Take(qsizetype index) {
  METERLY_ASSERT(index >= 0 && index < Count(), "RasLogger", "list index out of bounds");
  TRasItem item = std::move(items_[static_cast<std::size_t>(index)]);
  items_.erase(items_.begin() + index);
  return item;
}

TRasItem& TRasItemList::operator[](qsizetype index) {
  METERLY_ASSERT(index >= 0 && index < Count(), "RasLogger", "list index out of bounds");
  return items_[static_cast<std::size_t>(index)];
}

const TRasItem& TRasItemList::operator[](qsizetype index) const { return const_cast<TRasItemList&>(*this)[index]; }

}  // namespace meterly
