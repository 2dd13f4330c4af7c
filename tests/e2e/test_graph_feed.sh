# The live figures that the running program publishes for other programs.

feed_reader() { "$(dirname "$METERLY_BIN")/../../tools/meterly-feed-reader" "$@"; }
feed_tick() { feed_reader --count 1 2>/dev/null | awk '$1 == "tick" {print $2}'; }
feed_tick_is_not() { local now; now=$(feed_tick) && [[ -n $now && $now != "$1" ]]; }

test_feed_tick_stamp_advances_every_second() {
  new_home
  start_until_tray_icon
  # The first tick publishes one second after start; until then a viewer may see old figures.
  local stale
  stale=$(feed_tick)
  wait_for 5 feed_tick_is_not "$stale" || fail "no tick was published"
  feed_reader --count 4 >"$TEST_HOME/feed" 2>&1 || fail "reader failed: $(cat "$TEST_HOME/feed")"
  local stamps
  stamps=$(awk '$1 == "tick" {print $2}' "$TEST_HOME/feed")
  [[ $(wc -l <<<"$stamps") -eq 4 ]] || fail "expected 4 tick lines: $(cat "$TEST_HOME/feed")"
  [[ $(sort -u <<<"$stamps" | wc -l) -ge 3 ]] || fail "the tick stamp did not advance: $stamps"
  local first last
  first=$(head -1 <<<"$stamps")
  last=$(tail -1 <<<"$stamps")
  ((last - first >= 1500 && last - first <= 4500)) || fail "stamps $first .. $last are not a few seconds apart"
  grep -q '^settings ' "$TEST_HOME/feed" || fail "no settings record was published at start"
  stop_meterly 3
}
