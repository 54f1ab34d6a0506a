#!/usr/bin/env bash
# Runs a command inside one Wine session of a build folder (tools/wine-env.sh): a virtual X display, a
# persistent wineserver, and WINE set to the loader of the build's programs.
# Usage: tools/wine-session.sh BUILD_DIR COMMAND [ARG...]
set -euo pipefail
# shellcheck source=tools/wine-env.sh
source "$(dirname "$0")/wine-env.sh" "$1"
shift

# Services started with the test runner's pipes inherited would keep it waiting: detach them first.
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  "$WINESERVER" -p </dev/null >/dev/null 2>&1
  "$WINE64" wineboot </dev/null >/dev/null 2>&1
  "$@"; rc=$?
  "$WINESERVER" -k 2>/dev/null
  exit $rc' wine-session "$@"
