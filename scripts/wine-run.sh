#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's prefix; CTest's emulator for the win64 build.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
exec "$WINELOADER" "$@"
