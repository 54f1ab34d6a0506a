# The Wine environment of one build folder, for scripts that run its Windows programs: a prepared prefix,
# quiet Wine, and the Russian locale (ANSI code page 1251), as our operators have it. A 32-bit build (the
# product as shipped) runs under 32-bit Wine through qemu (tools/wine32-setup.sh); a 64-bit one under wine64.
# Exports WINE (the loader for the build's programs), WINE64 (the native loader, for services) and WINESERVER.
# Usage: source tools/wine-env.sh BUILD_DIR   (prepares the prefix first if it is missing)
wine_env_build=$(cd "$1" && pwd)
wine_env_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"
export LC_ALL=ru_RU.UTF-8
export WINE64=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver
if [[ $(cat "$wine_env_build/wine-bits" 2>/dev/null) == 32 ]]; then
  "$wine_env_tools/wine32-setup.sh" "$wine_env_build"
  export WINEPREFIX="$wine_env_build/wine32/prefix" WINE="$wine_env_build/wine32/root/usr/lib/wine/wine"
else
  export WINEPREFIX="$wine_env_build/wineprefix" WINE=$WINE64
  if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    echo "Preparing the Wine prefix in $WINEPREFIX (once per build folder)..." >&2
    "$WINE64" wineboot -i </dev/null >/dev/null 2>&1
    "$WINESERVER" -w
    # A crashing program prints a backtrace and exits instead of waiting in winedbg's dialog.
    "$WINE64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
    # Unmanaged windows: without a window manager, every hide otherwise waits about 2 s.
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    "$WINESERVER" -w
  fi
fi
unset wine_env_build wine_env_tools
