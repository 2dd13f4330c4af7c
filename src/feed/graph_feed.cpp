#include "feed/graph_feed.h"

#include "meterly/graph_feed.h"

namespace meterly {

TGraphFeed::TGraphFeed(platform::SharedMemory& memory, platform::Clock& clock)
    : TInterComm(memory, QStringLiteral(METERLY_GRAPH_FEED_SECTION)), clock_(clock) {}

void TGraphFeed::Publish(quint32 received, quint32 sent) {
  WriteLong(METERLY_FEED_TICK, clock_.TickCount());
  WriteLong(METERLY_FEED_RECEIVED, received);
  WriteLong(METERLY_FEED_SENT, sent);
}

}  // namespace meterly
