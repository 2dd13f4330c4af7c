# Start-up, the tray icon, the single instance and the settings file, on the real program.

settings_value() {  # settings_value Section Name -> the value's stored text, e.g. "1" or dword:00000032
  awk -v key="[HKEY_CURRENT_USER\\\\Software\\\\Corvane\\\\Meterly\\\\$1]" -v name="\"$2\"" '
    $0 == key { inside = 1; next }
    /^\[/ { inside = 0 }
    inside && index($0, name "=") == 1 { print substr($0, length(name) + 2); exit }
  ' "$REGISTRY_FILE"
}

test_tray_icon_appears_and_sigterm_saves_every_setting() {
  new_home
  start_meterly
  wait_for 20 tray_has_icons || fail "no icon appeared in the tray"
  [[ -z $(visible_windows) ]] || fail "windows shown at start: $(visible_windows)"
  kill -TERM "$METERLY_PID"
  wait_meterly_exit 3 || fail "the program did not end within 3 s of SIGTERM"
  [[ $METERLY_STATUS == 0 ]] || fail "exit status $METERLY_STATUS"
  [[ -f $REGISTRY_FILE ]] || fail "no settings file at $REGISTRY_FILE"
  [[ $(stat -c %a "$REGISTRY_FILE") == 600 ]] || fail "settings file mode $(stat -c %a "$REGISTRY_FILE")"
  [[ $(settings_value Main EnableAutoRun) == '"1"' ]] || fail "EnableAutoRun: $(settings_value Main EnableAutoRun)"
  [[ $(settings_value Graph Sticky) == '"0"' ]] || fail "Sticky: $(settings_value Graph Sticky)"
  [[ $(settings_value Graph TransparentValue) == dword:00000032 ]] || fail "TransparentValue"
  [[ $(settings_value Graph Left) == dword:$(printf '%08x' $((1280 / 2 - 145))) ]] || fail "Left: $(settings_value Graph Left)"
  [[ $(settings_value Main InterfaceGuid) == '"{4FC25329-DAFD-49A9-9B80-8F203252ADE0}"' ]] || fail "InterfaceGuid"
  [[ $(settings_value AutoUpdate LastAutoCheckDate) == dword:* ]] || fail "AutoUpdate section missing"
  [[ $(grep -c '^"' "$REGISTRY_FILE") -eq 78 ]] || fail "$(grep -c '^"' "$REGISTRY_FILE") values written, not 78"
}

test_second_instance_ends_at_once_with_code_0() {
  new_home
  start_meterly
  local first=$METERLY_PID
  wait_for 20 tray_has_icons || fail "no icon appeared in the tray"
  local began
  began=$(date +%s%N)
  "$METERLY_BIN" >"$TEST_HOME/second.out" 2>&1 || fail "second instance exit status $?"
  local took_ms=$((($(date +%s%N) - began) / 1000000))
  ((took_ms <= 2000)) || fail "second instance took $took_ms ms"
  [[ -z $(visible_windows) ]] || fail "windows shown: $(visible_windows)"
  [[ ! -s $TEST_HOME/second.out ]] || fail "second instance printed: $(cat "$TEST_HOME/second.out")"
  kill -0 "$first" || fail "the first instance died"
  kill -TERM "$first"
  wait_meterly_exit 10 || fail "the first instance did not end"
}

test_exit_item_of_the_tray_menu_ends_the_program_and_saves() {
  new_home
  start_meterly
  wait_for 20 tray_has_icons || fail "no icon appeared in the tray"
  local icon
  icon=$(tray_icon_window) || fail "no icon window"
  xdotool mousemove --window "$icon" 8 8 click 3
  wait_for 5 xdotool search --onlyvisible --class meterly || fail "the tray menu did not open"
  sleep 0.3
  xdotool key e
  wait_meterly_exit 10 || fail "the program did not end from the menu"
  [[ $METERLY_STATUS == 0 ]] || fail "exit status $METERLY_STATUS"
  [[ -f $REGISTRY_FILE ]] || fail "the settings were not saved"
}

test_damaged_settings_file_is_kept_aside_and_defaults_apply() {
  new_home
  mkdir -p "$(dirname "$REGISTRY_FILE")"
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Graph\n"Width"=dword:1\n' >"$REGISTRY_FILE"
  cp "$REGISTRY_FILE" "$TEST_HOME/original"
  start_meterly
  wait_for 20 tray_has_icons || fail "no icon appeared in the tray"
  grep -q 'registry.reg' "$TEST_HOME/out" || fail "the damaged file was not reported"
  kill -TERM "$METERLY_PID"
  wait_meterly_exit 10 || fail "the program did not end"
  cmp -s "$REGISTRY_FILE.bad" "$TEST_HOME/original" || fail "the damaged file was not kept as registry.reg.bad"
  [[ $(settings_value Graph Width) == dword:00000122 ]] || fail "Width: $(settings_value Graph Width)"
}

test_hand_edited_values_keep_their_form() {
  new_home
  mkdir -p "$(dirname "$REGISTRY_FILE")"
  cat >"$REGISTRY_FILE" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Corvane\Meterly\Graph]
"TransparentValue"="25"
"StayOnTop"=dword:00000000

[HKEY_CURRENT_USER\Software\Corvane\Meterly\Main]
"InterfaceGuid"="veth-测试"
REG
  start_meterly
  wait_for 20 tray_has_icons || fail "no icon appeared in the tray"
  kill -TERM "$METERLY_PID"
  wait_meterly_exit 10 || fail "the program did not end"
  [[ $(settings_value Graph TransparentValue) == '"25"' ]] || fail "TransparentValue: $(settings_value Graph TransparentValue)"
  [[ $(settings_value Graph StayOnTop) == '"0"' ]] || fail "StayOnTop: $(settings_value Graph StayOnTop)"
  [[ $(settings_value Main InterfaceGuid) == '"veth-测试"' ]] || fail "InterfaceGuid: $(settings_value Main InterfaceGuid)"
}
