#!/usr/bin/env bash
# Checks that the shipped program is a 32-bit PE that needs no DLL beyond Windows' own.
set -euo pipefail
exe=$1
objdump=i686-w64-mingw32-objdump
"$objdump" -f "$exe" | grep -q "file format pei-i386" || { echo "$exe: not a 32-bit PE"; exit 1; }
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|oleaut32|advapi32|ws2_32|wsock32|msvcrt|shlwapi|uxtheme|iphlpapi|rpcrt4|version|imm32)\.dll$'
bad=$("$objdump" -p "$exe" | awk '/DLL Name:/ {print tolower($3)}' | grep -Ev "$allowed" || true)
if [ -n "$bad" ]; then
  echo "$exe needs DLLs beyond Windows' own: $bad"
  exit 1
fi
echo "$exe: 32-bit PE, Windows DLLs only"
