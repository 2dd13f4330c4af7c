# The speed meter of the real program: opened from the tray menu, measuring traffic of the test's
# own on a veth link in a network namespace of the test's own (start_private_network and its
# helpers are those of test_usage_database.sh).

# The newest visible window whose title starts with the text (taken literally).
window_id_titled() {
  local window
  for window in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    [[ $(xdotool getwindowname "$window") == "$1"* ]] && echo "$window"
  done | tail -1 | grep .
}

# Clicks the window at a point of its client area.
click_in_window() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# The speed meter's buttons, left to right along its tool bar at the top left: start, reset,
# copy, save, help; the centre of button n (from 0) in the window.
SPEED_METER_BAR_Y=22
meter_button_x() { echo $((22 + $1 * 26)); }

test_speed_meter_opens_from_the_tray_and_counts_the_links_traffic() {
  new_home
  start_private_network
  add_settings <<'SETTINGS'
[Main]
"VolumeUnit"=dword:00000004
SETTINGS
  start_meterly_in_network
  choose_from_tray_menu a || fail "the tray menu did not open"
  wait_for 10 window_id_titled "网速测试 (veth1)" || fail "no speed meter window; windows: $(visible_windows)"
  local meter
  meter=$(window_id_titled "网速测试 (veth1)")

  click_in_window "$meter" "$(meter_button_x 0)" $SPEED_METER_BAR_Y  # start
  local i
  for i in $(seq 4); do
    send_frames veth0 10 1000
    sleep 1
  done
  sleep 1.5  # the last frames counted by a tick
  # SPEED_METER_SHOT=file.png keeps a picture of the window while it counts, to look at.
  if [[ -n ${SPEED_METER_SHOT:-} ]]; then import -window "$meter" "$SPEED_METER_SHOT"; fi
  click_in_window "$meter" "$(meter_button_x 0)" $SPEED_METER_BAR_Y  # stop

  # Save the table as text through the save dialog.
  click_in_window "$meter" "$(meter_button_x 3)" $SPEED_METER_BAR_Y
  wait_for 10 window_id_titled "Save" || fail "no save dialog; windows: $(visible_windows)"
  sleep 0.5
  xdotool type --delay 20 "$TEST_HOME/meter"
  xdotool key Return
  wait_for 10 test -s "$TEST_HOME/meter.txt" || fail "the table was not saved; windows: $(visible_windows)"
  grep -q $'^Total Data Transferred\t40000 bytes\t0 bytes' "$TEST_HOME/meter.txt" ||
    fail "the saved table does not count the 40000 bytes sent: $(cat "$TEST_HOME/meter.txt")"

  stop_meterly
  kill "$NETNS_PID"
}
