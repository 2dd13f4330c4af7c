# Traffic notifications and the quota window of the real program: a one-minute "received more
# than 1 MB" notification on a veth link of the test's own with traffic above it, and the quota
# window opened from the tray menu on a usage database the test filled.

notification_open() { window_titled "Meterly Notification"; }

# Notifications on: received more than 1 MB within 1 minute, message and sound.
write_received_more_notification() {
  printf '\n[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Notifications]\n' >>"$REGISTRY_FILE"
  printf '"EnableNotifications"="1"\n"NotifyCondition"=dword:00000002\n' >>"$REGISTRY_FILE"
  printf '"NotifyConditionAmountMb"=dword:00000001\n"NotifyTimeMin"=dword:00000001\n' >>"$REGISTRY_FILE"
  printf '"EnableMsgAndSound"="1"\n' >>"$REGISTRY_FILE"
}

test_a_one_minute_notification_shows_when_more_than_1_mb_was_received() {
  new_home
  start_private_network
  write_received_more_notification
  start_meterly_in_network
  # 1.6 MB received on veth1 within the first block.
  local i
  for i in $(seq 4); do
    send_frames veth0 300 1400
    sleep 1
  done
  never_within 40 notification_open || fail "a notification showed before the block ended"
  wait_for 40 notification_open || fail "no notification within the block and a half"
  [[ $(xdotool search --onlyvisible --name '^Meterly Notification$' | wc -l) -eq 1 ]] || fail "more than one window"
  import -window root "${E2E_SHOTS:-$E2E_WORK}/notification.png" 2>/dev/null || true
  stop_meterly 5
  kill "$NETNS_PID"
}

# Today's day serial (days since 1899-12-30, local time).
today_serial() { now_serial | cut -d. -f1; }

# Pixels of the progress bar's colour (the highlight of the style under Xvfb) in a screenshot.
gauge_pixels() {
  convert "$1" -fuzz 8% -fill black +opaque 'srgb(53,155,220)' -fill white -opaque 'srgb(53,155,220)' \
    -format '%[fx:round(mean*w*h)]' info:
}

test_the_quota_window_opens_from_the_tray_menu_on_the_filled_database() {
  new_home
  write_settings <<'EOF_SETTINGS'
[Quota]
"QuotaType"=dword:00000000
"QuotaHours"=dword:00000000
"QuotaTraffic"=dword:00000000
"QuotaUnit"=dword:00000000
"OnPeakAllowance"=dword:00000002
EOF_SETTINGS
  # 3 KB received today by two users.
  create_usage_database <<SQL
INSERT INTO usage VALUES ('$(id -un)', $(today_serial), 1, 2048, 0, 0), ('somebody', $(today_serial), 2, 1024, 0, 0);
SQL
  start_until_tray_icon
  choose_from_tray_menu q || fail "the tray menu did not open"
  wait_for 5 window_titled "我的配额" || fail "no quota window; visible: $(visible_windows)"
  sleep 0.5
  import -window root "${E2E_SHOTS:-$E2E_WORK}/quota-window.png" || fail "no screenshot"
  # 3 KB used of 2 KB: the gauge is full, about 100 x 10 pixels of the bar's colour; with the
  # database unread it would be empty.
  local bar
  bar=$(gauge_pixels "${E2E_SHOTS:-$E2E_WORK}/quota-window.png")
  ((bar >= 500)) || fail "the gauge shows $bar bar pixels, not a full bar"
  # A modal window: it has the focus.
  xdotool key Escape
  wait_for 5 bash -c "[[ -z \$(xdotool search --onlyvisible --name '^我的配额$') ]]" || fail "Escape did not close it"
  meterly_running || fail "closing the quota window ended the program"
  [[ $(settings_value Quota EnableQuotaOveruseMessage) == '"0"' ]] || fail "the window's switch was not saved"
  stop_meterly 5
}
