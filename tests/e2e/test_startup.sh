# Start-up, the tray icon, the single instance and the settings file, on the real program.

# The value names of a settings file, in order.
value_names() { grep -o '^"[^"]*"=' "$1"; }

test_tray_icon_appears_and_sigterm_saves_every_setting() {
  new_home
  start_until_tray_icon
  [[ -z $(visible_windows) ]] || fail "windows shown at start: $(visible_windows)"
  stop_meterly 3
  [[ -f $REGISTRY_FILE ]] || fail "no settings file at $REGISTRY_FILE"
  [[ $(stat -c %a "$REGISTRY_FILE") == 600 ]] || fail "settings file mode $(stat -c %a "$REGISTRY_FILE")"
  # Every value of the unit tests' reference defaults, in the same order; those that depend on
  # neither the screen, the locale, the day nor the version checker hold the same data.
  local reference=$E2E_DIR/../core/reference/default_settings.reg
  diff <(value_names "$REGISTRY_FILE") <(value_names "$reference") >/dev/null || fail "not the values of $reference"
  local varying='^"(Left|Top|WeekStartsOn|QuotaNextNotify|CustomDate(From|To)|QueryForAutoCheck|AutoCheckEnabled|LastAutoCheckDate)"='
  diff <(grep -vE "$varying" "$REGISTRY_FILE") <(grep -vE "$varying" "$reference") >/dev/null ||
    fail "the defaults differ from $reference"
  [[ $(settings_value Graph Left) == dword:$(printf '%08x' $((1280 / 2 - 145))) ]] || fail "Left: $(settings_value Graph Left)"
}

test_second_instance_ends_at_once_with_code_0() {
  new_home
  start_until_tray_icon
  local began
  began=$(date +%s%N)
  "$METERLY_BIN" >"$TEST_HOME/second.out" 2>&1 || fail "second instance exit status $?"
  local took_ms=$((($(date +%s%N) - began) / 1000000))
  ((took_ms <= 2000)) || fail "second instance took $took_ms ms"
  [[ -z $(visible_windows) ]] || fail "windows shown: $(visible_windows)"
  [[ ! -s $TEST_HOME/second.out ]] || fail "second instance printed: $(cat "$TEST_HOME/second.out")"
  meterly_running || fail "the first instance died"
  stop_meterly 10
}

test_exit_item_of_the_tray_menu_ends_the_program_and_saves() {
  new_home
  start_until_tray_icon
  choose_from_tray_menu e || fail "the tray menu did not open"
  wait_meterly_exit 10 || fail "the program did not end from the menu"
  [[ $METERLY_STATUS == 0 ]] || fail "exit status $METERLY_STATUS"
  [[ -f $REGISTRY_FILE ]] || fail "the settings were not saved"
}

test_damaged_settings_file_is_kept_aside_and_defaults_apply() {
  new_home
  write_settings <<<'[HKEY_CURRENT_USER\Software\Corvane\Meterly\Graph
"Width"=dword:1'
  cp "$REGISTRY_FILE" "$TEST_HOME/original"
  start_until_tray_icon
  grep -q 'registry.reg' "$TEST_HOME/out" || fail "the damaged file was not reported"
  stop_meterly 10
  cmp -s "$REGISTRY_FILE.bad" "$TEST_HOME/original" || fail "the damaged file was not kept as registry.reg.bad"
  [[ $(settings_value Graph Width) == dword:00000122 ]] || fail "Width: $(settings_value Graph Width)"
}

test_hand_edited_values_keep_their_form() {
  new_home
  write_settings <<'REG'
[Graph]
"TransparentValue"="25"
"StayOnTop"=dword:00000000
[Main]
"InterfaceGuid"="veth-测试"
REG
  start_until_tray_icon
  stop_meterly 10
  [[ $(settings_value Graph TransparentValue) == '"25"' ]] || fail "TransparentValue: $(settings_value Graph TransparentValue)"
  [[ $(settings_value Graph StayOnTop) == '"0"' ]] || fail "StayOnTop: $(settings_value Graph StayOnTop)"
  [[ $(settings_value Main InterfaceGuid) == '"veth-测试"' ]] || fail "InterfaceGuid: $(settings_value Main InterfaceGuid)"
}
