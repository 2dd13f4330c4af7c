# The tray menu, the settings window and the start-up switches, on the real program.

test_settings_window_opens_from_the_menu_and_closing_only_hides_it() {
  new_home
  start_until_tray_icon
  choose_from_tray_menu s || fail "the tray menu did not open"
  wait_for 5 window_titled "Meterly 设置" || fail "no settings window; visible: $(visible_windows)"
  import -window root "$E2E_WORK/settings-window.png" 2>/dev/null || true
  xdotool key Escape
  wait_for 5 bash -c "[[ -z \$(xdotool search --onlyvisible --name 'Meterly 设置') ]]" || fail "Escape did not hide the window"
  meterly_running || fail "closing the settings window ended the program"
  choose_from_tray_menu s || fail "the tray menu did not open again"
  wait_for 5 window_titled "Meterly 设置" || fail "the settings window did not come back"
  stop_meterly 3
}

test_readonly_menu_has_neither_settings_nor_exit() {
  new_home
  start_until_tray_icon -ReadOnly
  choose_from_tray_menu s || fail "the tray menu did not open"
  never_within 1 window_titled "Meterly 设置" || fail "the settings window opened in read-only mode"
  xdotool key Escape
  choose_from_tray_menu e || fail "the tray menu did not open again"
  never_within 2 meterly_ended || fail "Exit was reachable in read-only mode"
  stop_meterly 3
  [[ -f $REGISTRY_FILE ]] || fail "the settings were not saved on SIGTERM"
}

test_auto_start_ends_silently_when_autorun_is_off() {
  new_home
  printf '%s\n' '[Main]' '"EnableAutoRun"="0"' | write_settings
  local began=$SECONDS
  start_meterly /auto
  never_within 3 tray_has_icons || fail "a tray icon appeared before the start-up delay"
  wait_meterly_exit 20 || fail "the program did not end"
  [[ $METERLY_STATUS == 0 ]] || fail "exit status $METERLY_STATUS"
  ((SECONDS - began >= 9)) || fail "ended after $((SECONDS - began)) s, without the 10 s delay"
  [[ ! -s $TEST_HOME/out ]] || fail "printed: $(cat "$TEST_HOME/out")"
}
