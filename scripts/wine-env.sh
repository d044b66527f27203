# Sourced by the scripts that run Windows programs under Wine: one quiet, download-free prefix in
# the build tree, reached through the loader directly (the /usr/bin/wine wrapper may pick the
# 32-bit loader, which this machine's kernel cannot run).
#
# VANTREL_WINE_ARCH picks the build: win64 (the default where wine64 is installed: this machine)
# or win32 (the default where only 32-bit Wine is: the emulated machine of scripts/i686-vm/). Each
# has its own prefix, since a prefix keeps the architecture it was made with.
VANTREL_ROOT=${VANTREL_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
if [ -z "${VANTREL_WINE_ARCH:-}" ]; then
  if [ -x /usr/lib/wine/wine64 ]; then VANTREL_WINE_ARCH=win64; else VANTREL_WINE_ARCH=win32; fi
fi
export VANTREL_WINE_ARCH
case $VANTREL_WINE_ARCH in
  win64)
    default_prefix=$VANTREL_ROOT/build/wineprefix
    export WINELOADER=/usr/lib/wine/wine64
    export WINESERVER=/usr/lib/wine/wineserver
    ;;
  win32)
    default_prefix=$VANTREL_ROOT/build/wineprefix-win32
    export WINELOADER=/usr/lib/wine/wine
    export WINESERVER=/usr/lib/wine/wineserver32
    ;;
  *)
    echo "wine-env.sh: VANTREL_WINE_ARCH must be win64 or win32, not '$VANTREL_WINE_ARCH'" >&2
    return 2 2>/dev/null || exit 2
    ;;
esac
# Wine wants an absolute prefix path; a relative one would name another prefix.
export WINEPREFIX=$(realpath -m "${WINEPREFIX:-$default_prefix}")
unset default_prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=$VANTREL_WINE_ARCH
