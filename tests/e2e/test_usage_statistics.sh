# The usage statistics window of the real program on a usage database the test fills: opened by
# the tray icon's double click and from the tray menu, one page after the other, and an export.

# The database with two users over three days and one dial-up session.
fill_usage_database() {
  local today
  today=$(($(date +%s) / 86400 + 25569))  # days since 30 December 1899, UTC is close enough
  create_usage_database <<SQL
INSERT INTO usage VALUES ('$(id -un)', $today, 9, 52428800, 1048576, 0), ('$(id -un)', $today, 21, 10485760, 524288, 0),
  ('R&D', $((today - 1)), 10, 209715200, 20971520, 3600), ('R&D', $((today - 2)), 3, 1073741824, 0, 0);
INSERT INTO dialup VALUES ('ppp0', '2026-03-01 10:00:00', 3600, 1000000, 200000);
SQL
}

statistics_window_open() { window_titled "Usage Report for All Users Combined"; }

statistics_window() { xdotool search --onlyvisible --name '^Usage Report for All Users Combined$' | head -1; }

shoot() { import -window root "${E2E_SHOTS:-$E2E_WORK}/statistics-$1.png" 2>/dev/null || true; }

test_statistics_window_opens_by_double_click_and_from_the_menu_and_exports() {
  new_home
  fill_usage_database
  start_until_tray_icon
  local icon
  icon=$(tray_icon_window)
  xdotool mousemove --window "$icon" 8 8 click --repeat 2 --delay 80 1
  wait_for 10 statistics_window_open || fail "no statistics window after a double click; visible: $(visible_windows)"
  local window
  window=$(statistics_window)
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
  sleep 0.5
  local page
  for page in summary daily weekly monthly custom dialup hourly; do
    shoot "$page"
    xdotool key --window "$window" ctrl+Tab
    sleep 0.5
  done
  # Back on the daily page, which is exported.
  xdotool key --window "$window" ctrl+Tab
  sleep 0.3
  xdotool key --window "$window" ctrl+e
  wait_for 5 window_titled "Export 每日" || fail "no export dialog; visible: $(visible_windows)"
  sleep 0.5
  xdotool type --delay 20 "$TEST_HOME/daily-report"
  xdotool key Return
  wait_for 5 test -s "$TEST_HOME/daily-report.xls" || fail "the export was not written"
  grep -q "Meterly" "$TEST_HOME/daily-report.xls" || fail "the export has no title"

  choose_from_tray_menu u || fail "the tray menu did not open"
  wait_for 5 bash -c "(( \$(xdotool search --onlyvisible --name '^Usage Report for All Users Combined\$' | wc -l) == 2 ))" ||
    fail "the menu did not open a second window; visible: $(visible_windows)"
  stop_meterly 5
  [[ $(settings_value Totals ReportSaveFormat) == dword:00000001 ]] || fail "export format not saved"
}
