# Sourced by the scripts that run Windows programs under Wine: one quiet, download-free 64-bit
# prefix in the build tree, reached through the 64-bit loader directly (the /usr/bin/wine wrapper
# may pick the 32-bit loader, which this kernel cannot run).
VANTREL_ROOT=${VANTREL_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
# Wine wants an absolute prefix path; a relative one would name another prefix.
export WINEPREFIX=$(realpath -m "${WINEPREFIX:-$VANTREL_ROOT/build/wineprefix}")
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win64
