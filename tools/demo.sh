#!/usr/bin/env bash
# Shows zvk.dll at work in the stand-in logbook: a data folder with a small member file and settings, the
# plug-in in its own folder, then the logbook window on $DISPLAY, or, without a display, a scripted session
# under Xvfb that types a member's callsign and saves a screenshot.
# Usage: tools/demo.sh BUILD_DIR   (the i686 "windows" build, as the logbook loads it)
set -euo pipefail
build=$(cd "${1:?usage: tools/demo.sh BUILD_DIR}" && pwd)
tools=$(cd "$(dirname "$0")" && pwd)

host=$build/host/brevlog.exe
plugin=$build/plugin/zvk.dll
zvkdb=$build/tools/zvkdb/zvkdb.exe
demo=$build/demo
for needed in "$host" "$plugin"; do
  [[ -f $needed ]] || { echo "demo: $needed is missing; build the windows preset first" >&2; exit 1; }
done

# Wine maps drive Z: to the Unix root.
winpath() { printf 'Z:%s' "${1//\//\\}"; }

rm -rf "$demo"
mkdir -p "$demo/data/ZVK" "$demo/plugins"
cp "$plugin" "$demo/plugins/"
# A light green highlight, so that the settings file visibly takes effect; no sound (no audio device here).
printf '<?xml version="1.0"?>\n<Configuration><SelectColor type="Integer">9498256</SelectColor>%s</Configuration>\n' \
  '<EnableSound type="Integer">0</EnableSound>' >"$demo/data/ZVK/configuration.xml"
printf '%s\n' UA3ABC R2DEF RK3AR UA1AAA RA9XYZ >"$demo/members.txt"

member_file_step=""
if [[ -f $zvkdb ]]; then
  member_file_step="\"\$WINE\" $(printf '%q' "$zvkdb") create $(printf '%q' "$(winpath "$demo/data/ZVK/zvk.mdb")") --force <$(printf '%q' "$demo/members.txt") >/dev/null"
else
  echo "demo: $zvkdb not built yet; running without a member file (nothing will be marked)" >&2
fi

host_args=(--data "$(winpath "$demo/data")" --plugins "$(winpath "$demo/plugins")")

if [[ -n ${DISPLAY:-} ]]; then
  # shellcheck source=tools/wine-env.sh
  source "$tools/wine-env.sh" "$build"
  [[ -z $member_file_step ]] || bash -c "$member_file_step"
  echo "demo: members: $(tr '\n' ' ' <"$demo/members.txt")"
  exec "$WINE" "$host" "${host_args[@]}"
fi

screenshot=$demo/brevlog.png
"$tools/wine-session.sh" "$build" bash -c "
  set -e
  ${member_file_step:-true}
  \"\$WINE\" $(printf '%q ' "$host" "${host_args[@]}") --select 2 --type UA3ABC \
    --screenshot $(printf '%q' "$(winpath "$screenshot")") --exit"
[[ -f $screenshot ]] || { echo "demo: no screenshot was written" >&2; exit 1; }
echo "$screenshot"
