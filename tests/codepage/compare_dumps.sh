#!/usr/bin/env bash
# Runs the Linux dump program and the Windows one (under Wine) and compares their dumps line by
# line; on a difference it prints the first ones with the section they are in.
# Usage: compare_dumps.sh NATIVE_DUMP WINDOWS_DUMP_EXE WINE_RUN WIN64_BUILD_DIR OUTPUT_DIR
set -uo pipefail
native=$1 windows=$2 wine_run=$3 win64_dir=$4 out=$5

if [ ! -f "$windows" ]; then
  echo "FAIL: the Windows dump program $windows is missing."
  echo "Build the win64 preset first:"
  echo "  cmake --preset win64 -B $win64_dir && cmake --build $win64_dir --target codepage_dump"
  echo "(or point VANTREL_WIN64_BUILD_DIR at a win64 build that has it)"
  exit 1
fi

mkdir -p "$out"
if ! "$native" >"$out/linux.txt"; then
  echo "FAIL: $native did not finish"
  exit 1
fi
if ! "$wine_run" "$windows" >"$out/windows.txt"; then
  echo "FAIL: $windows did not finish under Wine ($wine_run)"
  exit 1
fi
if [ ! -s "$out/windows.txt" ]; then
  echo "FAIL: the Windows dump is empty"
  exit 1
fi

if cmp -s "$out/linux.txt" "$out/windows.txt"; then
  echo "The dumps agree: $(wc -l <"$out/linux.txt") lines ($out)"
  exit 0
fi

echo "FAIL: the Linux and Windows conversions differ (< Linux, > Windows under Wine):"
# Each hunk is headed by the section of the Linux dump it starts in.
diff "$out/linux.txt" "$out/windows.txt" | awk -v linux="$out/linux.txt" '
  BEGIN { while ((getline line < linux) > 0) { n++; section[n] = line ~ /^\[/ ? line : section[n - 1] } }
  /^[0-9]/ { print "-- line " $0 " in " section[$0 + 0]; next }
  { print }
' | head -n 60
echo "$(diff "$out/linux.txt" "$out/windows.txt" | grep -c '^[<>]') differing lines in all; dumps in $out"
exit 1
