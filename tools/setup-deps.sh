#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12. As root it installs with apt-get; otherwise it
# prints the command to run. Safe to run again: it does nothing when everything is present.
set -euo pipefail

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

# The i686 compilers build the product; the x86_64 ones build the same sources to run under wine64 too.
# 32-bit Wine itself is not installed: tools/wine32-setup.sh fetches its i386 packages (which needs the
# i386 architecture known to apt) and runs it through qemu-user, since our build machines' kernel cannot
# start 32-bit programs.
for p in cmake ninja-build g++ clang libclang-rt-14-dev googletest \
         g++-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64 mingw-w64-x86-64-dev \
         wine wine64 xvfb xauth mdbtools fonts-wine x11-apps imagemagick locales make python3 zip; do
  have_pkg "$p" || need+=("$p")
done
i386_arch=1
dpkg --print-foreign-architectures | grep -qx i386 || i386_arch=0
ru_locale=1
locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$' || ru_locale=0

if [[ ${#need[@]} -eq 0 && $ru_locale -eq 1 && $i386_arch -eq 1 ]]; then
  exit 0
fi

cmds=()
if [[ $i386_arch -eq 0 ]]; then
  cmds+=("dpkg --add-architecture i386")
fi
if [[ ${#need[@]} -gt 0 || $i386_arch -eq 0 ]]; then
  cmds+=("apt-get update")
fi
if [[ ${#need[@]} -gt 0 ]]; then
  cmds+=("DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${need[*]}")
fi
if [[ $ru_locale -eq 0 ]]; then
  cmds+=("sed -i 's/^# *ru_RU.UTF-8 UTF-8/ru_RU.UTF-8 UTF-8/' /etc/locale.gen && locale-gen")
fi

if [[ $(id -u) -ne 0 ]]; then
  echo "Missing build dependencies. Run as root:" >&2
  for c in "${cmds[@]}"; do echo "  $c" >&2; done
  exit 1
fi
echo "Installing build dependencies: ${need[*]:-(locale only)}" >&2
for c in "${cmds[@]}"; do
  bash -c "$c" >&2
done
