#!/usr/bin/env bash
# Runs a command inside one Wine session: a prepared 64-bit prefix in BUILD_DIR/wineprefix, a virtual X
# display, a persistent wineserver, and the Russian locale (ANSI code page 1251), as our operators have it.
# Usage: tools/wine-session.sh BUILD_DIR COMMAND [ARG...]
set -euo pipefail
build=$(cd "$1" && pwd)
shift

export WINEPREFIX="$build/wineprefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"
export LC_ALL=ru_RU.UTF-8
export WINE=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver

if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  echo "Preparing the Wine prefix in $WINEPREFIX (once per build folder)..." >&2
  "$WINE" wineboot -i </dev/null >/dev/null 2>&1
  "$WINESERVER" -w
  # A crashing test prints a backtrace and exits instead of waiting in winedbg's dialog.
  "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
  # Unmanaged windows: without a window manager, every hide otherwise waits about 2 s.
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
  "$WINESERVER" -w
fi

# Services started with the test runner's pipes inherited would keep it waiting: detach them first.
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  "$WINESERVER" -p </dev/null >/dev/null 2>&1
  "$WINE" wineboot </dev/null >/dev/null 2>&1
  "$@"; rc=$?
  "$WINESERVER" -k 2>/dev/null
  exit $rc' wine-session "$@"
