# Sourced by the scripts that show a window: a private network for the program, a virtual
# display when there is none, and a wait for the program's window.

# enter_private_network "$@": re-runs the calling script in a fresh network namespace with only
# loopback up, so that nothing the program pings (the sample page's addresses, a pasted page)
# can leave the machine.
enter_private_network() {
  if [ -z "${VANTREL_PRIVATE_NETWORK:-}" ]; then
    exec unshare -n env VANTREL_PRIVATE_NETWORK=1 bash "$0" "$@"
  fi
  ip link set lo up
}

# start_virtual_display: when DISPLAY is unset, starts an Xvfb of 1024x768 on a free display
# number and exports DISPLAY; stop_virtual_display ends it again.
xvfb_pid=
start_virtual_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
  export DISPLAY=:$(cat "$display_file")
  rm -f "$display_file"
}
stop_virtual_display() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  xvfb_pid=
}

# wait_for_window TITLE [TENTHS]: prints the X window id of the visible window titled exactly
# TITLE, waiting up to TENTHS tenths of a second (default 100); fails when none appears.
wait_for_window() {
  local window
  for _ in $(seq "${2:-100}"); do
    window=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && { echo "$window"; return 0; }
    sleep 0.1
  done
  echo "the window \"$1\" did not appear" >&2
  return 1
}

# start_wine_on_display: the prefix given by WINEPREFIX (default build/wineprefix-x11) with
# Wine's X11 driver on DISPLAY, its wineserver started here, inside the private network (Wine
# sends echoes from the wineserver's services). Any wineserver of that prefix running elsewhere
# is ended first. Leaves WINELOADER and the other Wine variables exported.
start_wine_on_display() {
  local root
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix-x11}
  "$root/scripts/wine-prefix.sh" stop
  "$root/scripts/wine-prefix.sh" start
  source "$root/scripts/wine-env.sh"
  # No window manager runs on a bare Xvfb: Wine then draws the frame and caption bar itself.
  "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
}
