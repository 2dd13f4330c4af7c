#pragma once

#include "store/ras_item.h"

#include <vector>

namespace meterly {

// The dial-up logger's list of connections or sessions, looked up by their exact name.
class TRasItemList {
 public:
  TRasItem* Find(const QString& name);
  const TRasItem* Find(const QString& name) const;

  TRasItem& Add(TRasItem item);
  // Takes the item out of the list and hands it back.
  TRasItem Take(qsizetype index);
  void Clear() { items_.clear(); }

  qsizetype Count() const { return static_cast<qsizetype>(items_.size()); }
  bool IsEmpty() const { return items_.empty(); }
  TRasItem& operator[](qsizetype index);
  const TRasItem& operator[](qsizetype index) const;

  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::vector<TRasItem> items_;
};

}  // namespace meterly
