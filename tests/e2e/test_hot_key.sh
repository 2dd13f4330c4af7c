# The global hot key on the real X server: the grab fires on its key whatever the locks, a
# combination another client holds is refused, and the console switch keys are refused.

hot_key_tool() { "$(dirname "$METERLY_BIN")/../../tests/meterly-test-hot-key" "$@"; }

# Starts a client that registers the given keys in turn and then waits for the last one to
# be pressed. Its pid is in METERLY_PID, so that a failing test does not leave it running.
start_hot_key_holder() {
  hot_key_tool --wait 20 "$@" >"$TEST_HOME/out" 2>&1 &
  METERLY_PID=$!
  local last=${!#}
  wait_for 10 grep -qx "registered $last" "$TEST_HOME/out" || fail "the holder did not register $last"
}

# Waits for the holder to report the press of its key and end.
expect_hot_key_activated() {
  wait_meterly_exit 5 || fail "the key press did not reach the holder"
  [[ $METERLY_STATUS -eq 0 ]] || fail "the holder ended with status $METERLY_STATUS"
  grep -qx activated "$TEST_HOME/out" || fail "the holder did not report the key"
}

test_hot_key_fires_with_num_lock_and_caps_lock_on() {
  new_home
  start_hot_key_holder "Ctrl+Shift+F12"
  xdotool key Num_Lock Caps_Lock
  xdotool key ctrl+shift+F12
  xdotool key Num_Lock Caps_Lock  # back off before anything can fail, for the tests after this one
  expect_hot_key_activated
}

test_hot_key_held_by_another_client_is_refused() {
  new_home
  # The second registration replaces the first, which must then be free again.
  start_hot_key_holder "Ctrl+Alt+Y" "Ctrl+Alt+T"
  hot_key_tool "Ctrl+Alt+T" >"$TEST_HOME/second" 2>&1 && fail "a second client took the held key"
  grep -qx "failed Ctrl+Alt+T: the key combination is already taken by another program" "$TEST_HOME/second" ||
    fail "unexpected refusal: $(cat "$TEST_HOME/second")"
  hot_key_tool "Ctrl+Alt+Y" >"$TEST_HOME/third" 2>&1 || fail "the replaced key stayed taken: $(cat "$TEST_HOME/third")"
  xdotool key ctrl+alt+t
  expect_hot_key_activated
}

# The server switches consoles on Ctrl+Alt+F1..F12 and never passes those presses on.
test_hot_key_console_switch_keys_are_refused() {
  new_home
  hot_key_tool "Ctrl+Alt+F12" >"$TEST_HOME/out" 2>&1 && fail "Ctrl+Alt+F12 was registered"
  grep -qx "failed Ctrl+Alt+F12: the X server keeps this key combination for switching consoles" "$TEST_HOME/out" ||
    fail "unexpected refusal: $(cat "$TEST_HOME/out")"
}
