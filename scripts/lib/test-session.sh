# Sourced by the scripts that run CTest inside the test network namespace (netns-run.sh): a
# virtual display for the Linux tests that need a real X server, and one wineserver for the
# whole run, started here so that Wine's ICMP service lives in this namespace too.
#
# start_test_session: starts both and ends them again when the calling script exits.
# The Wine prefix is build/wineprefix.

start_test_session() {
  local root
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  source "$root/scripts/lib/display.sh"
  test_session_root=$root
  trap end_test_session EXIT
  start_virtual_display
  # The Windows tests run on Wine's null display driver. A wineserver of this prefix left running
  # outside the namespace would serve the tests from there: end it first.
  export WINEPREFIX=$root/build/wineprefix
  "$root/scripts/wine-prefix.sh" stop
  env -u DISPLAY "$root/scripts/wine-prefix.sh" start
}

end_test_session() {
  "$test_session_root/scripts/wine-prefix.sh" stop
  stop_virtual_display
}
