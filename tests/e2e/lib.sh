# Helpers of the end-to-end tests: the display, the tray, a private home per test, the settings
# file, starting and stopping the program, and waits.

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# The program speaks the desktop's language; the tests read its texts as written unless a test
# sets a language of its own.
export LANGUAGE=C LC_ALL=C.UTF-8 LANG=C.UTF-8

start_display() {
  local n
  for n in $(seq 90 120); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    # -noreset: otherwise the server resets when its last client leaves (a test that stops the
    # tray), and a program that connects during the reset is refused.
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset >"$E2E_WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    if wait_for 20 xdpyinfo; then
      start_tray
      wait_for 20 tray_window_id && return 0
      echo "e2e: trayer did not start on $DISPLAY: $(tail -3 "$E2E_WORK/trayer.log")"
      stop_tray
    fi
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
  done
  return 1
}

# trayer's pid is kept in a file, so that a test that restarts the tray leaves the new one to be
# stopped at the end.
start_tray() {
  # Started from a subshell of its own, so that it is nobody's child to wait for.
  (
    trayer --edge top --align right --widthtype pixel --width 200 --height 32 \
      --transparent false >>"$E2E_WORK/trayer.log" 2>&1 &
    echo $! >"$E2E_WORK/trayer.pid"
  )
}

stop_tray() {
  [[ -f $E2E_WORK/trayer.pid ]] && kill "$(cat "$E2E_WORK/trayer.pid")" 2>/dev/null
  rm -f "$E2E_WORK/trayer.pid"
}

stop_display() {
  stop_tray
  [[ -n ${XVFB_PID:-} ]] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
}

# Runs "$@" quietly every 0.2 s until it succeeds or the seconds run out.
wait_for() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    ((SECONDS >= deadline)) && return 1
    sleep 0.2
  done
}

# The opposite wait, for what must not happen: fails as soon as "$@" succeeds within the (whole)
# seconds.
never_within() {
  local polls=$(($1 * 5))
  shift
  while ((polls-- > 0)); do
    "$@" >/dev/null 2>&1 && return 1
    sleep 0.2
  done
  return 0
}

# trayer's panel: the window that holds the embedded icons.
tray_window_id() {
  xdotool search --name '^panel$' | head -1 | grep .
}

# The window of Meterly's icon inside the tray, if it is embedded there.
tray_icon_window() {
  local panel
  panel=$(tray_window_id) || return 1
  xwininfo -tree -id "$panel" | awk '/\("meterly" "Meterly"\)/ {print $1; found = 1; exit} END {exit !found}'
}

tray_has_icons() { tray_icon_window >/dev/null; }

# Visible windows of the program other than its tray icon, one title a line.
visible_windows() {
  local icon window
  icon=$(tray_icon_window 2>/dev/null || true)
  for window in $(xdotool search --onlyvisible --class meterly 2>/dev/null); do
    [[ -n $icon && $(printf '0x%x' "$window") == "$icon" ]] && continue
    xdotool getwindowname "$window"
  done
}

# Opens the tray menu and presses a key in it (the item's underlined letter).
choose_from_tray_menu() {
  local icon
  icon=$(tray_icon_window) || return 1
  xdotool mousemove --window "$icon" 8 8 click 3
  wait_for 5 menu_is_open || return 1
  sleep 0.3
  xdotool key "$1"
}

menu_is_open() { [[ -n $(visible_windows) ]]; }

window_titled() { [[ $(visible_windows) == *"$1"* ]]; }

# A fresh home for one test: every XDG folder of its own.
new_home() {
  TEST_HOME=$(mktemp -d "$E2E_WORK/home.XXXXXX")
  export HOME=$TEST_HOME
  export XDG_CONFIG_HOME=$TEST_HOME/config
  export XDG_DATA_HOME=$TEST_HOME/data
  export XDG_RUNTIME_DIR=$TEST_HOME/run
  mkdir -p "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  REGISTRY_FILE=$XDG_CONFIG_HOME/Corvane/Meterly/registry.reg
}

# Writes the settings file from stdin: REGEDIT4, then the lines, where [Section] stands for the
# program's key of that section. add_settings appends the same way.
write_settings() {
  mkdir -p "$(dirname "$REGISTRY_FILE")"
  printf 'REGEDIT4\n' >"$REGISTRY_FILE"
  add_settings
}

add_settings() {
  sed 's/^\[\([A-Za-z]*\)\]$/\n[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\\1]/' >>"$REGISTRY_FILE"
}

# settings_value Section Name: the value's stored text, e.g. "1" or dword:00000032.
settings_value() {
  awk -v key="[HKEY_CURRENT_USER\\\\Software\\\\Corvane\\\\Meterly\\\\$1]" -v name="\"$2\"" '
    $0 == key { inside = 1; next }
    /^\[/ { inside = 0 }
    inside && index($0, name "=") == 1 { print substr($0, length(name) + 2); exit }
  ' "$REGISTRY_FILE"
}

# A usage database in the current layout, at USAGE_DB, with the rows that the SQL on stdin adds.
create_usage_database() {
  USAGE_DB=$XDG_DATA_HOME/Corvane/Meterly/Meterly.db
  mkdir -p "$(dirname "$USAGE_DB")"
  {
    cat <<'SQL'
CREATE TABLE usage (USER_NAME VARCHAR(64) NOT NULL, DAY INTEGER NOT NULL, HOUR INTEGER DEFAULT 0 NOT NULL
  CHECK (HOUR BETWEEN 0 AND 23), DATA_IN BIGINT NOT NULL, DATA_OUT BIGINT NOT NULL,
  DIALUP_DURATION INTEGER NOT NULL, PRIMARY KEY (USER_NAME, DAY, HOUR));
CREATE INDEX IDX_USAGE_HOUR ON usage (HOUR);
CREATE INDEX IDX_USAGE_DAY ON usage (DAY);
CREATE TABLE dialup (CONN_NAME VARCHAR(256) NOT NULL, SINCE DATETIME NOT NULL, DURATION INTEGER NOT NULL,
  DATA_IN BIGINT NOT NULL, DATA_OUT BIGINT NOT NULL);
PRAGMA user_version = 1;
SQL
    cat
  } | sqlite3 "$USAGE_DB"
}

# Starts the program in the background; its pid is in METERLY_PID, its output in $TEST_HOME/out.
start_meterly() {
  "$METERLY_BIN" "$@" >"$TEST_HOME/out" 2>&1 &
  METERLY_PID=$!
}

# Starts the program and waits until its icon is in the tray.
start_until_tray_icon() {
  start_meterly "$@"
  wait_for 20 tray_has_icons || fail "no icon appeared in the tray"
}

# Ends the program with SIGTERM and expects it to end in time (5 s unless given) with status 0.
stop_meterly() {
  local seconds=${1:-5}
  kill -TERM "$METERLY_PID"
  wait_meterly_exit "$seconds" || fail "the program did not end within $seconds s of SIGTERM"
  [[ $METERLY_STATUS == 0 ]] || fail "exit status $METERLY_STATUS"
}

meterly_running() { kill -0 "$METERLY_PID"; }
meterly_ended() { ! meterly_running; }

# Waits for the program to end; its exit code is in METERLY_STATUS.
wait_meterly_exit() {
  local seconds=${1:-10}
  local deadline=$((SECONDS + seconds))
  while kill -0 "$METERLY_PID" 2>/dev/null; do
    if ((SECONDS >= deadline)); then
      kill -KILL "$METERLY_PID" 2>/dev/null
      wait "$METERLY_PID" 2>/dev/null
      METERLY_STATUS=timeout
      return 1
    fi
    sleep 0.1
  done
  wait "$METERLY_PID"
  METERLY_STATUS=$?
}

# Ends the test (each test runs in a subshell of its own) as failed.
fail() {
  echo "    FAIL: $*"
  if [[ -f ${TEST_HOME:-}/out ]]; then sed 's/^/    | /' "$TEST_HOME/out"; fi
  exit 1
}

run_test() {
  local test=$1
  echo "e2e: $test"
  # A test that fails half-way must not leave its program running into the next test.
  (
    set -e
    trap 'status=$?; kill -KILL ${METERLY_PID:-} ${NETNS_PID:-} 2>/dev/null || true; wait || true; exit $status' EXIT
    "$test"
  )
  local status=$?
  ((status == 0)) && echo "    ok" || echo "    FAILED"
  # A test that stops the tray and fails before starting it again must not take it from the next;
  # one that started it again as it ended has it back within a few seconds.
  if ! wait_for 5 tray_window_id; then
    start_tray
    wait_for 20 tray_window_id || echo "    the tray could not be started again"
  fi
  return $status
}
