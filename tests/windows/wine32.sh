#!/bin/sh
# Runs a 32-bit Windows program under Wine's 32-bit loader (Debian's wine32),
# in the prefix named by WINEPREFIX. Where the kernel runs no 32-bit code the
# loader itself runs under qemu-i386 user emulation: minutes instead of
# seconds to start, and without Wine's preloader, a second 32-bit program
# that qemu could not start.
set -e
loader=/usr/lib/wine/wine

# The prefix is made by the native 64-bit Wine: making it runs helper
# programs, which under emulation could not be started either.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  /usr/lib/wine/wine64 wineboot --init </dev/null
  /usr/lib/wine/wineserver --wait
fi

if "$loader" --version >/dev/null 2>&1; then
  exec "$loader" "$@"
fi
WINELOADERNOEXEC=1 exec qemu-i386 "$loader" "$@"
