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
  dbus-monitor --session "interface='org.freedesktop.Notifications'" >"$TEST_HOME/notifications.log" 2>&1 &
  SNI_PIDS="$SNI_PIDS $!"
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

notify_calls() { grep -c 'member=Notify' "$TEST_HOME/notifications.log" || true; }

test_the_item_registers_with_a_status_notifier_host_that_comes_after_the_start() {
  new_home
  start_sni_desktop
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

  # Activation is the click: the tray text, as a desktop notification.
  gdbus call --session -d "$service" -o "$path" -m org.kde.StatusNotifierItem.Activate 0 0 >/dev/null
  wait_for 5 grep -q '"Transfer Rate"' "$TEST_HOME/notifications.log" || fail "no notification after Activate"
  gdbus call --session -d "$service" -o "$path" -m org.kde.StatusNotifierItem.Activate 0 0 >/dev/null
  wait_for 5 test "$(notify_calls)" -ge 2 || fail "the second activation sent no notification"
  stop_meterly 3
  start_tray
  wait_for 20 tray_window_id || fail "trayer did not start again"
}
