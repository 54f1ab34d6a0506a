#!/usr/bin/env bash
# The zip an operator installs from: the i686 zvk.dll and zvkdb.exe, and the operators' section of the
# README as a text file (UTF-8 with a byte-order mark and CR LF, so that Notepad shows it right).
# Usage: tools/package.sh BUILD_DIR OUT_ZIP   (the "windows" build)
set -euo pipefail
build=$(cd "${1:?usage: tools/package.sh BUILD_DIR OUT_ZIP}" && pwd)
zip_file=${2:?usage: tools/package.sh BUILD_DIR OUT_ZIP}
readme=$(cd "$(dirname "$0")/.." && pwd)/README.md
dll=$build/plugin/zvk.dll
tool=$build/tools/zvkdb/zvkdb.exe
for needed in "$dll" "$tool"; do
  [[ -f $needed ]] || { echo "package: $needed is missing; build the windows preset first" >&2; exit 1; }
done
# Only what an operator installs: the 32-bit modules.
for module in "$dll" "$tool"; do
  objdump -f "$module" | grep -q 'file format pei-i386' || { echo "package: $module is not 32-bit" >&2; exit 1; }
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$dll" "$tool" "$stage/"
# The section between its markers, without the pictures, which the text file cannot show.
section=$(sed -n '/^<!-- operators -->$/,/^<!-- \/operators -->$/p' "$readme" | sed '1d;$d' | grep -v '^!\[')
[[ -n $section ]] || { echo "package: no operators' section in $readme" >&2; exit 1; }
{ printf '\xEF\xBB\xBF'; printf '%s\n' "$section" | sed 's/$/\r/'; } >"$stage/README-operators.txt"

mkdir -p "$(dirname "$zip_file")"
rm -f "$zip_file"
zip_file=$(cd "$(dirname "$zip_file")" && pwd)/$(basename "$zip_file")
(cd "$stage" && zip -q -X "$zip_file" zvk.dll zvkdb.exe README-operators.txt)
echo "$zip_file"
