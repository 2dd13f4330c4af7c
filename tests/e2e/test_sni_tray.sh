# The tray icon on a StatusNotifierItem host: a private session bus, the watcher and a
# standalone tray that speaks only StatusNotifierItem, checked over D-Bus.

# Starts a session bus of the test's own, the watcher, and (unless told "later") the tray; the
# XEmbed tray is stopped so that only the StatusNotifierItem host is there.
start_sni_desktop() {
  SNI_PIDS=""
  trap 'status=$?; kill -KILL ${METERLY_PID:-} $SNI_PIDS 2>/dev/null || true; wait || true; exit $status' EXIT
  stop_tray
  dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$TEST_HOME/bus.address" 4>"$TEST_HOME/bus.pid"
  export DBUS_SESSION_BUS_ADDRESS
  DBUS_SESSION_BUS_ADDRESS=$(head -1 "$TEST_HOME/bus.address")
  SNI_PIDS="$(cat "$TEST_HOME/bus.pid")"
  status-notifier-watcher >"$TEST_HOME/watcher.log" 2>&1 &
  SNI_PIDS="$SNI_PIDS $!"
  wait_for 10 watcher_property RegisteredStatusNotifierItems || fail "the watcher did not start"
  dbus-monitor --session "interface='org.freedesktop.Notifications'" "type='method_return'" \
    >"$TEST_HOME/notifications.log" 2>&1 &
  SNI_PIDS="$SNI_PIDS $!"
}

# A real notification server on the test's bus; identical notifications are not stacked, so
# that one shown notification means one replaced the other.
start_notification_server() {
  printf '[global]\n    stack_duplicates = false\n' >"$TEST_HOME/dunstrc"
  dunst -config "$TEST_HOME/dunstrc" >"$TEST_HOME/dunst.log" 2>&1 &
  SNI_PIDS="$SNI_PIDS $!"
  wait_for 10 notification_server_up || fail "dunst did not start: $(cat "$TEST_HOME/dunst.log")"
}

# Asked of the bus, which would otherwise start a server of its own for the name.
notification_server_up() {
  [[ $(gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
    -m org.freedesktop.DBus.NameHasOwner org.freedesktop.Notifications) == *true* ]]
}

start_sni_tray() {
  gtk-sni-tray-standalone --bottom >"$TEST_HOME/sni-tray.log" 2>&1 &
  SNI_PIDS="$SNI_PIDS $!"
  wait_for 10 sni_host_registered || fail "the StatusNotifierItem tray did not register as a host"
}

watcher_property() {
  gdbus call --session -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher \
    -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher "$1"
}

sni_host_registered() { [[ $(watcher_property IsStatusNotifierHostRegistered) == *true* ]]; }

# The first registered item as "service path", e.g. ":1.8 /StatusNotifierItem".
registered_item() {
  local entry
  entry=$(watcher_property RegisteredStatusNotifierItems | grep -o "'[^']*'" | head -1 | tr -d "'")
  [[ -n $entry ]] || return 1
  # The watcher keeps a bus name alone when the item is at the usual path.
  if [[ $entry == */* ]]; then echo "${entry%%/*} /${entry#*/}"; else echo "$entry /StatusNotifierItem"; fi
}

item_property() {
  local service path
  read -r service path < <(registered_item)
  gdbus call --session -d "$service" -o "$path" -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem "$1"
}

tooltip_names_the_rate() { [[ $(item_property ToolTip) == *"Transfer Rate"* ]]; }

# The replaces_id of each Notify call, and the id the server answered each with, one a line.
replaced_ids() {
  awk '/^[^ ]/ { call = /member=Notify/ } call && /uint32/ { print $2; call = 0 }' "$TEST_HOME/notifications.log"
}
notification_ids() {
  awk '/^[^ ]/ { answer = 0 }
    /member=Notify/ { match($0, / sender=[^ ]+/); who = substr($0, RSTART + 8, RLENGTH - 8)
      match($0, / serial=[0-9]+/); calls[who " " substr($0, RSTART + 8, RLENGTH - 8)] = 1 }
    /^method return/ { match($0, / destination=[^ ]+/); who = substr($0, RSTART + 13, RLENGTH - 13)
      match($0, /reply_serial=[0-9]+/); answer = (who " " substr($0, RSTART + 13, RLENGTH - 13)) in calls; next }
    answer && /uint32/ { print $2; answer = 0 }' "$TEST_HOME/notifications.log"
}
notifications_answered() { [[ $(notification_ids | wc -l) == "$1" ]]; }

test_the_item_registers_with_a_status_notifier_host_that_comes_after_the_start() {
  new_home
  start_sni_desktop
  start_notification_server
  start_meterly
  sleep 2  # a few ticks without any tray
  meterly_running || fail "the program ended without a tray"
  start_sni_tray
  wait_for 10 registered_item || fail "the item did not register within 10 s of the host"
  [[ $(item_property Id) == *Meterly* || $(item_property Title) == *Meterly* ]] || fail "the item is not Meterly's"
  wait_for 5 tooltip_names_the_rate || fail "tooltip: $(item_property ToolTip)"

  local service path menu layout
  read -r service path < <(registered_item)
  menu=$(item_property Menu | grep -o "'/[^']*'" | tr -d "'")
  [[ -n $menu ]] || fail "the item offers no menu"
  layout=$(gdbus call --session -d "$service" -o "$menu" -m com.canonical.dbusmenu.GetLayout -- 0 -1 "[]")
  [[ $layout == *"使用统计"* && $layout == *"退出"* ]] || fail "menu layout: $layout"

  # Activation is the click: the tray text, as a desktop notification that replaces the last one.
  gdbus call --session -d "$service" -o "$path" -m org.kde.StatusNotifierItem.Activate 0 0 >/dev/null
  wait_for 5 notifications_answered 1 || fail "no notification after Activate"
  grep -q '"Transfer Rate"' "$TEST_HOME/notifications.log" || fail "the notification is not the tray text"
  gdbus call --session -d "$service" -o "$path" -m org.kde.StatusNotifierItem.Activate 0 0 >/dev/null
  wait_for 5 notifications_answered 2 || fail "the second activation sent no notification"
  local first
  first=$(notification_ids | head -1)
  [[ $(replaced_ids | paste -sd ' ') == "0 $first" && $(notification_ids | paste -sd ' ') == "$first $first" ]] ||
    fail "replaced ids: $(replaced_ids | paste -sd ' '); given ids: $(notification_ids | paste -sd ' ')"
  [[ $(dunstctl count displayed) == 1 ]] || fail "$(dunstctl count displayed) notifications shown, not one"
  stop_meterly 3
  start_tray
  wait_for 20 tray_window_id || fail "trayer did not start again"
}
