# The floating graph window of the real program: shown at start, its caption, its live bars.

graph_window_id() { xdotool search --onlyvisible --name '^Meterly \(' 2>/dev/null | head -1 | grep .; }
no_graph_window() { ! graph_window_id; }

# Pixels of the received-data colour (the default #0000CD) in a screenshot.
received_pixels() { convert "$1" txt:- | grep -c '#0000CD' || true; }

differing_pixels() {
  compare -metric AE "$1" "$2" null: 2>&1 >/dev/null | awk '{printf "%d\n", $1}' || true
}

show_graph_at_start() { printf '%s\n' '[Main]' '"DisplayOnStartup"="1"' | add_settings; }

test_graph_window_shown_at_start_with_the_source_in_its_caption() {
  new_home
  write_settings </dev/null
  show_graph_at_start
  start_until_tray_icon
  wait_for 10 graph_window_id || fail "no graph window; visible: $(visible_windows)"
  window_titled "Meterly (All Connections)" || fail "caption: $(visible_windows)"
  local WIDTH HEIGHT X Y
  eval "$(xdotool getwindowgeometry --shell "$(graph_window_id)")"
  [[ $WIDTH == 290 && $HEIGHT == 114 ]] || fail "size ${WIDTH}x$HEIGHT"
  [[ $X == $((1280 / 2 - 145)) && $Y == $((800 / 2 - 57)) ]] || fail "placed at $X,$Y"

  # The tray menu's graph item closes it; closing saves the settings at once.
  choose_from_tray_menu g || fail "the tray menu did not open"
  wait_for 5 no_graph_window || fail "the graph item did not close the window"
  [[ $(settings_value Graph Left) == dword:$(printf '%08x' "$X") ]] || fail "Left: $(settings_value Graph Left)"
  meterly_running || fail "closing the graph window ended the program"

  choose_from_tray_menu g || fail "the tray menu did not open again"
  wait_for 5 graph_window_id || fail "the graph item did not show the window again"
  stop_meterly 3
  [[ $(settings_value Main DisplayOnStartup) == '"1"' ]] || fail "DisplayOnStartup: $(settings_value Main DisplayOnStartup)"
}

test_graph_window_bars_move_with_traffic() {
  new_home
  start_private_network
  show_graph_at_start
  start_meterly_in_network
  wait_for 10 graph_window_id || fail "no graph window; visible: $(visible_windows)"
  window_titled "Meterly (veth1)" || fail "caption: $(visible_windows)"
  local id
  id=$(graph_window_id)
  import -window "$id" "$TEST_HOME/quiet.png" || fail "no screenshot"
  (($(received_pixels "$TEST_HOME/quiet.png") == 0)) || fail "bars drawn before any traffic"

  local i
  for i in $(seq 10); do
    send_frames veth0 20 1000
    sleep 0.25
  done
  import -window "$id" "$TEST_HOME/busy1.png" || fail "no screenshot"
  for i in $(seq 8); do
    send_frames veth0 40 1000
    sleep 0.25
  done
  import -window "$id" "$TEST_HOME/busy2.png" || fail "no screenshot"
  local drawn
  drawn=$(received_pixels "$TEST_HOME/busy1.png")
  ((drawn > 20)) || fail "only $drawn pixels of received-data bars while traffic flows"
  local changed
  changed=$(differing_pixels "$TEST_HOME/busy1.png" "$TEST_HOME/busy2.png")
  ((changed > 20)) || fail "the graph did not move between two screenshots ($changed pixels differ)"
  stop_meterly 3
  kill "$NETNS_PID"
}

# A run with the window shown at start, opacity as given and Ctrl+Alt+K as the click-through
# hot key; the hot key and two keypad pluses are pressed, and the program is ended.
run_with_hot_key_and_keypad() {
  new_home
  write_settings <<REG
[Graph]
"EnableTransparent"="$1"
"TransparentValue"=dword:00000032
"ClickThruShortCut"=dword:0000c04b
REG
  show_graph_at_start
  start_until_tray_icon
  wait_for 10 graph_window_id || fail "no graph window; visible: $(visible_windows)"
  xdotool windowfocus --sync "$(graph_window_id)" key KP_Add KP_Add
  xdotool key ctrl+alt+k
  # The program handles its events in order: once the tray menu opens, the keys were handled.
  choose_from_tray_menu Escape || fail "the tray menu did not open"
  graph_window_id >/dev/null || fail "the graph window went away"
  stop_meterly 3
}

test_graph_window_hot_key_and_keypad_work_only_with_opacity() {
  run_with_hot_key_and_keypad 1
  [[ $(settings_value Graph EnableClickThrough) == '"1"' ]] || fail "the hot key did not switch click-through on"
  [[ $(settings_value Graph TransparentValue) == dword:00000046 ]] ||
    fail "TransparentValue after two keypad pluses: $(settings_value Graph TransparentValue)"

  run_with_hot_key_and_keypad 0
  [[ $(settings_value Graph EnableClickThrough) == '"0"' ]] || fail "click-through switched on without opacity"
  [[ $(settings_value Graph TransparentValue) == dword:00000032 ]] ||
    fail "the keypad changed the opacity while it is off: $(settings_value Graph TransparentValue)"
}
