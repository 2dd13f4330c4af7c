// One refresh of the connections list with 2,000 sockets open, which the bench opens itself on
// loopback: 500 TCP connections (both ends) and 1,000 UDP sockets. Names are not resolved.
#include "platform/linux/linux_name_lookup.h"
#include "platform/linux/linux_process_service.h"
#include "platform/linux/linux_socket_table.h"
#include "tools/net_stat_form.h"
#include "tools/net_stat_sort.h"

#include <QApplication>
#include <QTableWidget>

#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace {

using namespace meterly;

constexpr int kConnections = 500;
constexpr int kUdpSockets = 1000;

sockaddr_in LoopbackAddress(quint16 port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  return address;
}

sockaddr* AsSockaddr(sockaddr_in& address) { return reinterpret_cast<sockaddr*>(&address); }

// The bench's own sockets, closed when it ends.
class OpenSockets {
 public:
  OpenSockets() {
    rlimit limit{};
    ::getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = limit.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &limit);

    const int listener = Open(SOCK_STREAM);
    sockaddr_in address = LoopbackAddress(0);
    socklen_t length = sizeof address;
    if (::bind(listener, AsSockaddr(address), sizeof address) != 0 || ::listen(listener, kConnections) != 0 ||
        ::getsockname(listener, AsSockaddr(address), &length) != 0) {
      return;
    }
    for (int i = 0; i < kConnections; ++i) {
      const int client = Open(SOCK_STREAM);
      if (::connect(client, AsSockaddr(address), sizeof address) != 0) return;
      fds_.push_back(::accept(listener, nullptr, nullptr));
    }
    for (int i = 0; i < kUdpSockets; ++i) {
      sockaddr_in any = LoopbackAddress(0);
      if (::bind(Open(SOCK_DGRAM), AsSockaddr(any), sizeof any) != 0) return;
    }
    complete_ = true;
  }

  ~OpenSockets() {
    for (const int fd : fds_) ::close(fd);
  }

  bool Complete() const { return complete_; }
  int Count() const { return static_cast<int>(fds_.size()); }

 private:
  int Open(int type) {
    fds_.push_back(::socket(AF_INET, type, 0));
    return fds_.back();
  }

  std::vector<int> fds_;
  bool complete_ = false;
};

OpenSockets& Sockets() {
  static OpenSockets sockets;
  return sockets;
}

bool Ready(benchmark::State& state) {
  if (Sockets().Complete()) return true;
  state.SkipWithError("the 2,000 loopback sockets could not be opened");
  return false;
}

// Reading the four tables and finding every socket's process.
void BmSocketTables(benchmark::State& state) {
  if (!Ready(state)) return;
  platform::LinuxSocketTable table;
  size_t rows = 0;
  for (auto _ : state) {
    const std::vector<platform::SocketRow> read = table.Sockets();
    rows = read.size();
    benchmark::DoNotOptimize(read.data());
  }
  state.counters["sockets"] = static_cast<double>(rows);
}
BENCHMARK(BmSocketTables)->Unit(benchmark::kMillisecond);

// One whole refresh of the window: tables, owners, rows, sorting by local address, the list view.
void BmFormRefresh(benchmark::State& state) {
  if (!Ready(state)) return;
  platform::LinuxSocketTable table;
  platform::LinuxProcessService processes;
  platform::LinuxNameLookup names;
  TNetStatForm form(table, processes, names, ListExport{});
  form.ColumnClick(2);
  for (auto _ : state) form.Refresh();
  state.counters["rows"] = form.ListView->rowCount();
}
BENCHMARK(BmFormRefresh)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
