#!/usr/bin/env bash
# Makes the project's Wine prefix once (about 6 s cold) with no display driver but Wine's null
# one unless DISPLAY is set, and the CJK font replacements the window needs; then keeps one
# wineserver running (`start`) or stops it (`stop`) so that test processes start fast.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
case "${1:-start}" in
  start)
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
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
    if [ -z "${DISPLAY:-}" ]; then
      "$WINELOADER" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d null /f >/dev/null 2>&1
    else
      "$WINELOADER" reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1 || true
    fi
    ;;
  stop)
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
    ;;
esac
