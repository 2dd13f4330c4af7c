# The tray menu, the settings window and the start-up switches, on the real program.

test_settings_window_opens_from_the_menu_and_closing_only_hides_it() {
  new_home
  start_meterly
  wait_for 20 tray_has_icons || fail "no icon appeared in the tray"
  choose_from_tray_menu s || fail "the tray menu did not open"
  wait_for 5 window_titled "Meterly 设置" || fail "no settings window; visible: $(visible_windows)"
  import -window root "$E2E_WORK/settings-window.png" 2>/dev/null || true
  xdotool key Escape
  wait_for 5 test -z "$(visible_windows)" || true
  wait_for 5 bash -c "[[ -z \$(xdotool search --onlyvisible --name 'Meterly 设置') ]]" || fail "Escape did not hide the window"
  kill -0 "$METERLY_PID" || fail "closing the settings window ended the program"
  choose_from_tray_menu s || fail "the tray menu did not open again"
  wait_for 5 window_titled "Meterly 设置" || fail "the settings window did not come back"
  kill -TERM "$METERLY_PID"
  wait_meterly_exit 3 || fail "the program did not end"
}

test_readonly_menu_has_neither_settings_nor_exit() {
  new_home
  start_meterly -ReadOnly
  wait_for 20 tray_has_icons || fail "no icon appeared in the tray"
  choose_from_tray_menu s || fail "the tray menu did not open"
  sleep 1
  ! window_titled "Meterly 设置" || fail "the settings window opened in read-only mode"
  xdotool key Escape
  choose_from_tray_menu e || fail "the tray menu did not open again"
  sleep 1.5
  kill -0 "$METERLY_PID" || fail "Exit was reachable in read-only mode"
  kill -TERM "$METERLY_PID"
  wait_meterly_exit 3 || fail "SIGTERM did not end the read-only program"
  [[ -f $REGISTRY_FILE ]] || fail "the settings were not saved on SIGTERM"
}

test_auto_start_ends_silently_when_autorun_is_off() {
  new_home
  mkdir -p "$(dirname "$REGISTRY_FILE")"
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Main]\n"EnableAutoRun"="0"\n' >"$REGISTRY_FILE"
  local began=$SECONDS
  start_meterly /auto
  sleep 3
  ! tray_has_icons || fail "a tray icon appeared before the start-up delay"
  wait_meterly_exit 20 || fail "the program did not end"
  [[ $METERLY_STATUS == 0 ]] || fail "exit status $METERLY_STATUS"
  ((SECONDS - began >= 9)) || fail "ended after $((SECONDS - began)) s, without the 10 s delay"
  [[ ! -s $TEST_HOME/out ]] || fail "printed: $(cat "$TEST_HOME/out")"
}
