#!/bin/sh
# Runs a 32-bit Windows program under Wine's 32-bit loader (Debian's wine32),
# in the prefix named by WINEPREFIX. Where the kernel runs no 32-bit code the
# loader itself runs under qemu-i386 user emulation: about a minute instead
# of seconds to start. A Wine process that starts another 32-bit one execs
# the loader again, which such a kernel refuses; the 64-bit programs Wine
# starts (wineboot, services) still run natively.
set -e
loader=/usr/lib/wine/wine

# The prefix is made by the native 64-bit Wine: making it runs helper
# programs, which under emulation could not be started.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  /usr/lib/wine/wine64 wineboot --init </dev/null
  /usr/lib/wine/wineserver --wait
fi

if "$loader" --version >/dev/null 2>&1; then
  exec "$loader" "$@"
fi

# Without this the loader first re-execs itself, which the kernel refuses.
export WINELOADERNOEXEC=1

# The prefix's 32-bit half (C:\windows\syswow64) is installed by a 32-bit
# helper that wineboot starts as a program of its own, so here that start
# failed ("failed to open ...\syswow64\rundll32.exe") and the 32-bit loader
# would find no kernel32.dll. Run the helper under the emulator instead;
# bootstrap mode lets it use Wine's built-in DLLs before their files exist.
if [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
  WINEBOOTSTRAPMODE=1 qemu-i386 "$loader" 'C:\windows\syswow64\rundll32.exe' \
    setupapi,InstallHinfSection Wow64Install 128 '\\?\Z:\usr\share\wine\wine.inf' </dev/null
  /usr/lib/wine/wineserver --wait
  if [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
    echo "wine32.sh: Wine's 32-bit DLLs did not install into $WINEPREFIX" >&2
    exit 1
  fi
fi

exec qemu-i386 "$loader" "$@"
