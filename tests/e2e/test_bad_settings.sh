# A settings file edited by hand or damaged: every stored value out of its range takes its
# default, is named on stderr, and the program starts with its tray icon all the same.

tray_is_empty() { ! tray_has_icons; }

test_out_of_range_stored_values_still_start_with_a_tray_icon() {
  local entry section value
  for entry in Graph:LineType=dword:00000003 Main:Unit=dword:00000002 Graph:LineStep=dword:00000000 \
    Graph:LineStep=dword:7fffffff Main:VolumeUnit=dword:00000009 Main:TrayIconMode=dword:00000006 \
    Usage:MonthStartsOn=dword:00000000 Advanced:PeakHourFrom=dword:00000018 Quota:QuotaType=dword:00000007 \
    Graph:TransparentValue=dword:ffffffff Ping:EchoPackets=dword:00000000; do
    section=${entry%%:*}
    value=${entry#*:}
    new_home
    mkdir -p "$(dirname "$REGISTRY_FILE")"
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\%s]\n"%s"=%s\n' \
      "$section" "${value%%=*}" "${value#*=}" >"$REGISTRY_FILE"
    start_meterly
    wait_for 20 tray_has_icons || fail "$entry: no icon appeared in the tray"
    grep -q "setting $section\\\\${value%%=*} = " "$TEST_HOME/out" || fail "$entry: not named on stderr"
    kill -TERM "$METERLY_PID"
    wait_meterly_exit 5 || fail "$entry: the program did not end within 5 s of SIGTERM"
    [[ $METERLY_STATUS == 0 ]] || fail "$entry: exit status $METERLY_STATUS"
    wait_for 5 tray_is_empty || fail "$entry: the icon stayed in the tray"
  done
}
