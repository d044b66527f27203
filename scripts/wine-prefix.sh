#!/usr/bin/env bash
# Makes the project's Wine prefix once (about 6 s cold) with no display driver but Wine's null
# one unless DISPLAY is set, and the CJK font replacements the window needs; then keeps one
# wineserver running (`start`) or stops it (`stop`) so that test processes start fast.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
# The prefix's display driver setting: "null", or empty for Wine's default.
graphics_driver() {
  "$WINELOADER" reg query 'HKCU\Software\Wine\Drivers' /v Graphics 2>/dev/null |
    tr -d '\r' | awk '$1 == "Graphics" {print $3}' || true
}

case "${1:-start}" in
  start)
    fresh=0
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      fresh=1
      mkdir -p "$WINEPREFIX"
      "$WINELOADER" wineboot -i >/dev/null 2>&1 || true
      "$WINESERVER" -w
    fi
    "$WINESERVER" -p </dev/null >/dev/null 2>&1
    "$WINELOADER" wineboot >/dev/null 2>&1 || true
    fonts='HKCU\Software\Wine\Fonts\Replacements'
    for face in "微软雅黑" "Microsoft YaHei" "MS Shell Dlg" "宋体" "SimSun"; do
      "$WINELOADER" reg add "$fonts" /v "$face" /t REG_SZ /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
    done
    before=$(graphics_driver)
    if [ -z "${DISPLAY:-}" ]; then
      "$WINELOADER" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d null /f >/dev/null 2>&1
    else
      "$WINELOADER" reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1 || true
    fi
    # The desktop process that wineboot started keeps the driver it found then (in a new prefix,
    # the X11 one, which without a display creates no window): start the server again, and the
    # desktop with it here, where it cannot inherit and hold open a test's output.
    if [ "$fresh" = 1 ] || [ "$before" != "$(graphics_driver)" ]; then
      "$WINESERVER" -k 2>/dev/null || true
      "$WINESERVER" -w 2>/dev/null || true
      "$WINESERVER" -p </dev/null >/dev/null 2>&1
      "$WINELOADER" wineboot >/dev/null 2>&1 || true
    fi
    ;;
  stop)
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
    ;;
esac
