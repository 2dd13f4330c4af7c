#include "alerts/ras_connections.h"

#include "base/assertion.h"

namespace meterly {

bool EnumConnections(platform::DialupService& dialup, TRasItemList* list, const QDateTime& since) {
  METERLY_ASSERT(list != nullptr, "RasLogger", "EnumConnections: no list given");
  list->Clear();
  if (!dialup.Available()) return true;
  const auto links = dialup.ActiveLinks();
  if (!links) return false;
  for (const platform::DialupLink& link : *links) {
    TRasItem item;
    item.Name = link.name;
    item.Handle = link.handle;
    item.Since = since;
    list->Add(std::move(item));
  }
  return true;
}

bool IsDialupActive(platform::DialupService& dialup) {
  TRasItemList connections;
  EnumConnections(dialup, &connections);
  return !connections.IsEmpty();
}

void HangUpAllDialup(platform::DialupService& dialup) {
  TRasItemList connections;
  EnumConnections(dialup, &connections);
  for (const TRasItem& connection : connections) {
    QString ignored;
    dialup.HangUp(platform::DialupLink{connection.Name, connection.Handle, {}}, &ignored);
  }
}

}  // namespace meterly
