# The quota overuse message of the real program: a tiny daily quota, used up by the test's own
# traffic on a veth link, brings up the reminder within about a minute of counted seconds, and the
# choice made in its remind list is saved when it closes.

# A daily flat-rate quota of 1 KB of all traffic, with the message on at 80 %.
write_tiny_quota() {
  printf '\n[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Quota]\n' >>"$REGISTRY_FILE"
  printf '"QuotaType"=dword:00000000\n"QuotaHours"=dword:00000000\n"QuotaTraffic"=dword:00000000\n' >>"$REGISTRY_FILE"
  printf '"QuotaUnit"=dword:00000000\n"OnPeakAllowance"=dword:00000001\n' >>"$REGISTRY_FILE"
  printf '"EnableQuotaOveruseMessage"="1"\n"QuotaOverusePercentage"=dword:00000050\n' >>"$REGISTRY_FILE"
}

# The saved QuotaNextNotify in days since 1899-12-30, local time.
saved_next_notify() {
  local bytes
  bytes=$(grep '^"QuotaNextNotify"=hex:' "$REGISTRY_FILE" | sed 's/.*hex://; s/,/ /g')
  [[ -n $bytes ]] || return 1
  printf "$(printf '\\x%s' $bytes)" | od -An -t f8 | tr -d ' '
}

# The same for now.
now_serial() {
  awk -v s="$(date +%s)" -v z="$(date +%z)" 'BEGIN {
    offset = (substr(z, 2, 2) * 3600 + substr(z, 4, 2) * 60) * (substr(z, 1, 1) == "-" ? -1 : 1)
    printf "%.6f\n", (s + offset) / 86400 + 25569
  }'
}

reminder_open() { window_titled "Meterly Notification"; }
reminder_gone() { ! reminder_open; }
reminder_window() { xdotool search --onlyvisible --name '^Meterly Notification$' | head -1 | grep .; }

test_quota_reminder_appears_within_a_minute_and_saves_the_remind_choice() {
  new_home
  start_private_network
  write_tiny_quota
  start_meterly_in_network
  send_frames veth0 10 1000  # 10 KB received on veth1: ten times the quota
  # The check runs at every sixtieth counted second.
  wait_for 75 reminder_open || fail "no reminder within 75 s"
  [[ $(xdotool search --onlyvisible --name '^Meterly Notification$' | wc -l) -eq 1 ]] || fail "more than one reminder"

  # From OK, past Cancel, into the remind list: one item down ("一天"), then Cancel.
  local window
  window=$(reminder_window) || fail "no reminder window id"
  xdotool windowfocus --sync "$window"
  xdotool key --window "$window" Tab Tab Down
  sleep 0.3
  xdotool key --window "$window" Escape
  wait_for 5 reminder_gone || fail "the reminder did not close"
  local saved now
  saved=$(saved_next_notify) || fail "QuotaNextNotify was not saved"
  now=$(now_serial)
  # One day from now, within a minute.
  awk -v a="$saved" -v b="$now" 'BEGIN { d = a - b - 1; exit !(d < 0.0007 && d > -0.0007) }' ||
    fail "QuotaNextNotify $saved is not a day after $now"

  stop_meterly 5
  kill "$NETNS_PID"
}
