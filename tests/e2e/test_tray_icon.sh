# The tray icon of the real program: the live graph drawn in the icon, and the icon coming back
# after the tray host restarts.

# Pixels in the blue of received data (the default 0xCD0000 in BGR order), allowing for the tray
# scaling the 16 x 16 icon.
received_colour_pixels() {
  import -window "$1" txt:- 2>/dev/null |
    awk -F"[(),]" 'NR > 1 { r = $3; g = $4; b = $5; if (b > 150 && r < 90 && g < 90) n++ } END { print n + 0 }'
}

icon_differs_from() {
  import -window "$1" "$TEST_HOME/now.png" && ! cmp -s "$TEST_HOME/now.png" "$2"
}

test_graph_in_the_tray_icon_moves_with_traffic() {
  new_home
  start_private_network
  printf '%s\n' '[Graph]' '"ShowInTray"="1"' | add_settings
  start_meterly_in_network
  local icon
  icon=$(tray_icon_window) || fail "no icon window"
  import -window "$icon" "$TEST_HOME/before.png"
  local i
  for i in $(seq 6); do
    send_frames veth0 20 1400
    sleep 0.5
  done
  import -window "$icon" "$TEST_HOME/during1.png"
  send_frames veth0 5 100
  (($(received_colour_pixels "$icon") > 0)) || fail "no received-data colour in the icon"
  ! cmp -s "$TEST_HOME/before.png" "$TEST_HOME/during1.png" || fail "the icon did not change under traffic"
  wait_for 3 icon_differs_from "$icon" "$TEST_HOME/during1.png" || fail "the icon graph does not move"
  stop_meterly 3
  kill "$NETNS_PID"
}

test_icon_comes_back_when_the_tray_restarts() {
  new_home
  start_until_tray_icon
  stop_tray
  wait_for 5 bash -c '! xdotool search --name "^panel$" >/dev/null' || fail "the tray did not go away"
  never_within 2 meterly_ended || fail "the program ended when the tray went away"  # a few ticks without a tray
  start_tray
  wait_for 10 tray_has_icons || fail "the icon did not come back within 10 s"
  stop_meterly 3
}
