#!/usr/bin/env bash
# Prepares 32-bit Wine for a build folder, once: the logbook and zvk.dll are 32-bit programs, and the
# kernel of our build machines cannot start 32-bit Linux programs. So the 32-bit Wine loader runs under
# qemu-user, served by the native 64-bit wineserver in a win64 prefix (32-bit programs run as WoW64).
# Nothing i386 is installed: the packages are fetched with `apt-get download` and unpacked privately.
# Usage: tools/wine32-setup.sh BUILD_DIR     (result in BUILD_DIR/wine32; prints nothing when ready)
set -euo pipefail
build=$(cd "${1:?usage: tools/wine32-setup.sh BUILD_DIR}" && pwd)
top=$build/wine32
root=$top/root
# Wine's own fonts (Tahoma, MS Sans Serif and the others Windows programs expect) come with the
# architecture-independent fonts-wine, installed natively, where the 32-bit loader does not look; in the
# prefix's Fonts folder every loader finds them. Without them every face falls back to fontconfig's.
install_wine_fonts() {
  local fonts=$top/prefix/drive_c/windows/Fonts
  [[ -d /usr/share/wine/fonts && -d $fonts ]] || return 0
  cp -n /usr/share/wine/fonts/* "$fonts/"
}
if [[ -f $top/.ready ]]; then
  install_wine_fonts
  exit 0
fi

export WINEPREFIX=$top/prefix WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"
export LC_ALL=ru_RU.UTF-8
wine64=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver
started=$SECONDS
echo "Preparing 32-bit Wine in $top (once per build folder, about a minute)..." >&2
rm -rf "$top"
mkdir -p "$top/debs" "$root"

# The i386 package lists must be known to apt; tools/setup-deps.sh adds the architecture.
packages=(qemu-user-static libz-mingw-w64
  wine32:i386 libwine:i386 libc6:i386 libgcc-s1:i386 libx11-6:i386 libxcb1:i386 libxau6:i386
  libxdmcp6:i386 libbsd0:i386 libmd0:i386 libxext6:i386 libxrender1:i386 libxi6:i386 libxrandr2:i386
  libxfixes3:i386 libxcursor1:i386 libxinerama1:i386 libxcomposite1:i386 libxxf86vm1:i386
  libfreetype6:i386 libpng16-16:i386 zlib1g:i386 libbrotli1:i386 libfontconfig1:i386 libexpat1:i386
  libuuid1:i386)
(cd "$top/debs" && LC_ALL=C apt-get download -qq "${packages[@]}" 2>&1 | grep -v "Download is performed unsandboxed" >&2) || true
for deb in "$top"/debs/*.deb; do dpkg-deb -x "$deb" "$root"; done
[[ -x $root/usr/bin/qemu-i386-static && -x $root/usr/lib/wine/wine ]] ||
  { echo "wine32-setup: the i386 packages could not be fetched (is the i386 architecture added?)" >&2; exit 1; }

# qemu-user 7.2 ignores MAP_FIXED_NOREPLACE and maps elsewhere instead of failing; Wine's reservation of
# the address space then splinters (100 s, then kernel32 fails to load). This preload, seen only by the
# emulated programs, gives the flag the kernel's meaning back: a mapping placed elsewhere is undone with
# EEXIST. It calls the kernel directly (mmap2, munmap), so it needs no 32-bit C library to link against.
cat >"$top/noreplace.c" <<'EOF'
#define MAP_FIXED_NOREPLACE 0x100000
#define EEXIST 17
#define EINVAL 22
extern int *__errno_location(void);
long sys_mmap2(void *addr, unsigned long len, int prot, int flags, int fd, unsigned long pgoff);
long sys_munmap(long addr, unsigned long len);
__asm__(".text\n"
        ".globl sys_mmap2\n.hidden sys_mmap2\n.type sys_mmap2,@function\nsys_mmap2:\n"
        "  push %ebp\n  push %ebx\n  push %esi\n  push %edi\n"
        "  mov 20(%esp),%ebx\n  mov 24(%esp),%ecx\n  mov 28(%esp),%edx\n  mov 32(%esp),%esi\n"
        "  mov 36(%esp),%edi\n  mov 40(%esp),%ebp\n  mov $192,%eax\n  int $0x80\n"
        "  pop %edi\n  pop %esi\n  pop %ebx\n  pop %ebp\n  ret\n"
        ".globl sys_munmap\n.hidden sys_munmap\n.type sys_munmap,@function\nsys_munmap:\n"
        "  push %ebx\n  mov 8(%esp),%ebx\n  mov 12(%esp),%ecx\n  mov $91,%eax\n  int $0x80\n  pop %ebx\n  ret\n");
static void *map(void *addr, unsigned long len, int prot, int flags, int fd, unsigned long long offset)
{
    long result;
    if (offset & 0xfff) { *__errno_location() = EINVAL; return (void *)-1; }
    result = sys_mmap2(addr, len, prot, flags & ~MAP_FIXED_NOREPLACE, fd, (unsigned long)(offset >> 12));
    if ((unsigned long)result > -4096UL) { *__errno_location() = (int)-result; return (void *)-1; }
    if ((flags & MAP_FIXED_NOREPLACE) && (void *)result != addr) {
        sys_munmap(result, len);
        *__errno_location() = EEXIST;
        return (void *)-1;
    }
    return (void *)result;
}
void *mmap(void *a, unsigned long l, int p, int f, int fd, long off) { return map(a, l, p, f, fd, (unsigned long)off); }
void *mmap64(void *a, unsigned long l, int p, int f, int fd, long long off) { return map(a, l, p, f, fd, off); }
EOF
gcc -m32 -O2 -fPIC -ffreestanding -fno-stack-protector -nostdlib -shared \
  -o "$root/usr/lib/i386-linux-gnu/libnoreplace.so" "$top/noreplace.c"
mkdir -p "$root/etc"
echo /usr/lib/i386-linux-gnu/libnoreplace.so >"$root/etc/ld.so.preload"
# The emulated loader reads the root's cache, not the host's: without one it misses the multiarch
# folders, Wine's dlopen of FreeType fails, and with no fonts at all an edit control crashes when typed in.
printf '%s\n' /lib/i386-linux-gnu /usr/lib/i386-linux-gnu >"$root/etc/ld.so.conf"
ldconfig -r "$root"
cp "$root/usr/i686-w64-mingw32/lib/zlib1.dll" "$root/usr/lib/i386-linux-gnu/wine/i386-windows/zlib1.dll"

# Wine starts a 32-bit child through "<bindir>/wine" and a 64-bit one through "<bindir>/wine64": the
# first becomes a wrapper that starts qemu (keeping argv[0]), the second the native loader.
mv "$root/usr/lib/wine/wine" "$root/usr/lib/wine/wine.real"
cat >"$root/usr/lib/wine/wine" <<EOF
#!/bin/sh
# The 32-bit Wine loader under qemu; WINELOADERNOEXEC keeps Wine from re-executing itself natively.
export WINELOADERNOEXEC=1
exec "$root/usr/bin/qemu-i386-static" -0 "$root/usr/lib/wine/wine" -L "$root" "$root/usr/lib/wine/wine.real" "\$@"
EOF
chmod +x "$root/usr/lib/wine/wine"
ln -sf "$wine64" "$root/usr/lib/wine/wine64"
ln -sf /usr/lib/wine/wineserver64 "$root/usr/lib/wine/wineserver64"

# The prefix: made by the native loader, whose set-up cannot start the 32-bit half, so syswow64 is
# filled with the 32-bit builtins and the 32-bit half of wine.inf is run under qemu.
"$wine64" wineboot -i </dev/null >/dev/null 2>&1 || true
"$wineserver" -w
cp -an "$root/usr/lib/i386-linux-gnu/wine/i386-windows/." "$WINEPREFIX/drive_c/windows/syswow64/"
install_wine_fonts
"$root/usr/lib/wine/wine" rundll32.exe setupapi,InstallHinfSection Wow64Install 128 \
  "\\\\?\\unix$root/usr/share/wine/wine.inf" </dev/null >/dev/null 2>&1
# A crashing program prints a backtrace and exits instead of waiting in winedbg's dialog; unmanaged
# windows, since without a window manager every hide otherwise waits about 2 s.
"$wine64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
"$wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
"$wineserver" -k 2>/dev/null || true
"$wineserver" -w
rm -rf "$top/debs"
touch "$top/.ready"
echo "32-bit Wine ready in $((SECONDS - started)) s" >&2
