# A desktop without any system tray: the program goes on with its graph window in place of the
# icon, tells the user once, and takes the tray when one appears. Takes over two minutes: the
# program gives a late tray 120 seconds before it stands in for the icon.

no_tray_notices() { grep -c 'finds no system tray' "$TEST_HOME/out" || true; }

graph_window_shown() { [[ $(visible_windows) == *"Meterly ("* ]]; }

test_without_a_tray_the_graph_window_stands_in_and_the_icon_comes_with_a_tray() {
  new_home
  stop_tray
  wait_for 5 bash -c '! xdotool search --name "^panel$" >/dev/null' || fail "the tray did not go away"
  start_meterly
  never_within 5 graph_window_shown || fail "the graph window came before the tray had its time"
  wait_for 130 graph_window_shown || fail "no graph window after 120 s without a tray"
  meterly_running || fail "the program ended without a tray"
  sleep 3
  [[ $(no_tray_notices) == 1 ]] || fail "told $(no_tray_notices) times"

  # The graph window's right click opens the tray menu.
  local graph before
  graph=$(xdotool search --onlyvisible --name '^Meterly \(' | head -1)
  # Out from under the notice, which opens in the middle of the screen like the graph.
  xdotool windowmove "$graph" 20 600
  sleep 0.5
  before=$(visible_windows | wc -l)
  xdotool mousemove --window "$graph" 40 40 click 3
  more_windows_than() { (($(visible_windows | wc -l) > $1)); }
  wait_for 5 more_windows_than "$before" || fail "no menu on the graph window's right click"
  xdotool key Escape

  start_tray
  wait_for 10 tray_has_icons || fail "the icon did not come within 10 s of the tray"
  stop_meterly 3
}
