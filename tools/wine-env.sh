# Sourced by scripts that run Wine programs on the user's own display: the same environment that
# tools/wine-session.sh sets up (64-bit prefix in BUILD_DIR/wineprefix, quiet Wine, ANSI code page 1251).
# Usage: source tools/wine-env.sh BUILD_DIR   (prepares the prefix first if it is missing)
wine_env_build=$(cd "$1" && pwd)
if [[ ! -f "$wine_env_build/wineprefix/system.reg" ]]; then
  # wine-session.sh owns the prefix preparation; running a no-op through it creates the prefix.
  "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh" "$wine_env_build" true
fi
export WINEPREFIX="$wine_env_build/wineprefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"
export LC_ALL=ru_RU.UTF-8
export WINE=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver
unset wine_env_build
