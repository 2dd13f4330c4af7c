# The program speaks the desktop's language: English captions under LANGUAGE=en, the English
# messages in Chinese under LANGUAGE=zh_CN (the other tests run in the C locale and read the
# texts as written).

test_english_captions_and_chinese_messages_follow_the_language() {
  local shots=${E2E_SHOTS:-/tmp/meterly-e2e-shots}
  mkdir -p "$shots"
  new_home
  LANGUAGE=en start_until_tray_icon
  # The open menu, kept to be looked at: its items read "&Graph" ... "&Exit".
  local icon
  icon=$(tray_icon_window) || fail "no icon"
  xdotool mousemove --window "$icon" 8 8 click 3
  wait_for 5 menu_is_open || fail "the tray menu did not open"
  sleep 0.5
  import -window root "$shots/tray-menu-en.png" || fail "no screenshot"
  xdotool key s
  wait_for 5 window_titled "Meterly Settings" || fail "no English settings window; visible: $(visible_windows)"
  stop_meterly

  new_home
  printf '%s\n' '[Main]' '"Unit"=dword:00000002' | write_settings
  LANGUAGE=zh_CN start_until_tray_icon
  grep -q 'meterly: 存储的设置 Main\\Unit = 2 超出 0 到 1 的范围' "$TEST_HOME/out" ||
    fail "the bad setting was not told in Chinese"
  choose_from_tray_menu s || fail "the tray menu did not open"
  wait_for 5 window_titled "Meterly 设置" || fail "the Chinese caption changed; visible: $(visible_windows)"
  stop_meterly
}
