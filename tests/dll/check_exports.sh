#!/usr/bin/env bash
# The shipped 32-bit module: exactly six undecorated exports with their ordinals, system imports only.
set -euo pipefail
export LC_ALL=C # binutils translates its headings
dll=$1
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
dump=$($objdump -p "$dll")

# binutils lists each export as "[index] name"; with ordinal base 1, ordinal = index + 1.
base=$(sed -n 's/^Ordinal Base[[:space:]]*//p' <<<"$dump")
exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" |
  sed -n 's/^[[:space:]]*\[ *\([0-9]*\)\] \(.*\)$/\1 \2/p' |
  while read -r index name; do echo "$((index + base)) $name"; done | sort -n)
expected=$'1 OmbexShowOptionsDialog\n2 OmbexSendNotify\n3 OmbexRelease\n4 OmbexRun\n5 OmbexGetInfo\n6 OmbexGetVersion'
if [[ "$exports" != "$expected" ]]; then
  echo "unexpected exports:"; echo "$exports"; exit 1
fi

system='^(kernel32|user32|gdi32|comctl32|comdlg32|ole32|oleaut32|winmm|msvcrt|advapi32|shell32|version)\.dll$'
bad=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump" | tr 'A-Z' 'a-z' | grep -Ev "$system" || true)
if [[ -n "$bad" ]]; then
  echo "imports beyond the system DLLs: $bad"; exit 1
fi
grep -q 'PE32 ' <<<"$($objdump -f "$dll"; file "$dll" 2>/dev/null)" || grep -q 'pei-i386' <<<"$($objdump -f "$dll")" || {
  echo "not a 32-bit module"; exit 1; }
echo "exports and imports as shipped: ok"
