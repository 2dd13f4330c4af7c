# The usage record of the real program, on a veth link in a network namespace of the test's own,
# with traffic of the test's own: what a SIGTERM and a kill -9 leave in the database.

send_frames() { in_netns "$(dirname "$METERLY_BIN")/../../tests/meterly-test-send-frames" "$@"; }
in_netns() { nsenter -t "$NETNS_PID" -n "$@"; }

# A private network namespace with veth0 <-> veth1, and the program set to watch veth1.
start_private_network() {
  [[ $(id -u) -eq 0 ]] || { echo "    skipped: needs root for a network namespace"; exit 0; }
  unshare -n sleep 600 &
  NETNS_PID=$!
  sleep 0.2
  in_netns sysctl -qw net.ipv6.conf.all.disable_ipv6=1 net.ipv6.conf.default.disable_ipv6=1
  in_netns ip link add veth0 type veth peer name veth1
  in_netns ip link set veth0 up
  in_netns ip link set veth1 up
  mkdir -p "$(dirname "$REGISTRY_FILE")"
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Main]\n"InterfaceGuid"="veth1"\n' >"$REGISTRY_FILE"
  USAGE_DB=$XDG_DATA_HOME/Corvane/Meterly/Meterly.db
  # Both counters of veth1 must be above zero before the program takes its baseline.
  send_frames veth0 1 100
  send_frames veth1 1 100
}

start_meterly_in_network() {
  # nsenter itself, not a shell function around it, so that the pid is the program's own.
  nsenter -t "$NETNS_PID" -n "$METERLY_BIN" >"$TEST_HOME/out" 2>&1 &
  METERLY_PID=$!
  wait_for 20 tray_has_icons || fail "no icon appeared in the tray"
  sleep 2.5  # the baseline tick and one counted second
}

recorded_in() { sqlite3 "$USAGE_DB" "SELECT COALESCE(SUM(DATA_IN), 0) FROM usage"; }
# The kernel's own count of what veth1 received.
kernel_received() { in_netns ip -s -s -j link show veth1 | sed 's/.*"rx":{"bytes":\([0-9]*\).*/\1/'; }

test_sigterm_at_once_after_traffic_writes_every_byte() {
  new_home
  start_private_network
  local before
  before=$(kernel_received)
  start_meterly_in_network
  local i
  for i in $(seq 25); do
    send_frames veth0 10 1000
    sleep 0.2
  done
  kill -TERM "$METERLY_PID"  # no tick has counted the last frames yet
  wait_meterly_exit 3 || fail "the program did not end within 3 s of SIGTERM"
  local expected=$(($(kernel_received) - before))
  ((expected >= 250000)) || fail "the kernel counted only $expected bytes"
  [[ $(recorded_in) == "$expected" ]] || fail "recorded $(recorded_in) bytes received, the kernel counted $expected"
  [[ $(sqlite3 "$USAGE_DB" "PRAGMA user_version") == 1 ]] || fail "user version"
  kill "$NETNS_PID"
}

# Link messages every 20 s (as carrier, wireless and lifetime news come on a laptop) must not hold
# back the minute write: a kill -9 after more than two minutes loses the last minute at most and
# leaves a database that passes its integrity check.
test_link_noise_does_not_hold_back_the_minute_write() {
  new_home
  start_private_network
  local before
  before=$(kernel_received)
  start_meterly_in_network
  local second
  for second in $(seq 130); do
    send_frames veth0 5 1000
    ((second % 20 == 0)) && in_netns ip link set veth1 alias "noise $second"
    sleep 1
  done
  kill -KILL "$METERLY_PID"
  wait "$METERLY_PID" 2>/dev/null || true
  [[ $(sqlite3 "$USAGE_DB" "PRAGMA integrity_check") == ok ]] || fail "integrity check failed"
  local received=$(($(kernel_received) - before))
  local recorded
  recorded=$(recorded_in)
  ((recorded <= received)) || fail "recorded $recorded bytes, more than the $received received"
  # Two writes at least; at most the last minute (5000 bytes a second) and the start are missing.
  ((received - recorded <= 62 * 5000)) || fail "recorded $recorded of $received bytes"
  ((recorded >= 100 * 5000)) || fail "recorded only $recorded bytes"
  kill "$NETNS_PID"
}

