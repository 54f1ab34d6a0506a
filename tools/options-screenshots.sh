#!/usr/bin/env bash
# Pictures of the options dialog for the operators' guide: the dialog, and the dialog with its colour
# palette dropped down, as the i686 substitute logbook shows them with zvk.dll.
# Usage: tools/options-screenshots.sh BUILD_DIR OUT_DIR   (the "windows" build; writes two PNG files)
set -euo pipefail
build=$(cd "${1:?usage: tools/options-screenshots.sh BUILD_DIR OUT_DIR}" && pwd)
mkdir -p "${2:?usage: tools/options-screenshots.sh BUILD_DIR OUT_DIR}"
out=$(cd "$2" && pwd)
tools=$(cd "$(dirname "$0")" && pwd)
host=$build/host/brevlog.exe
[[ -f $host && -f $build/host/Plugins/zvk.dll ]] || { echo "$host or its plug-in is missing; build first" >&2; exit 1; }

# Wine maps drive Z: to the Unix root.
winpath() { printf 'Z:%s' "${1//\//\\}"; }
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
"$tools/wine-session.sh" "$build" bash -c "\"\$WINE\" $(printf '%q ' "$host" --data "$(winpath "$data")" \
  --options-screenshot "$(winpath "$out/options-dialog.png")" \
  --palette-screenshot "$(winpath "$out/options-palette.png")" --exit)"
for picture in options-dialog options-palette; do
  [[ -f $out/$picture.png ]] || { echo "no $out/$picture.png was written" >&2; exit 1; }
  echo "$out/$picture.png"
done
