#!/usr/bin/env bash
# Checks the Debian package as a machine gets it: its dependencies, its
# desktop entry and metainfo, and the installed program, started from a
# scratch root with nothing pointing it at a reader library, finding the
# simulated reader the package bundles when Read is pressed.
#
#   packaging/check-package.sh PACKAGE_DIR
set -euo pipefail

package_dir=$(realpath "$1")
app_id=io.tarnix.Tarnix
title="Tarnix V2"
# The centre of cmdIDRead in the window: Frame3 at (288, 296) pixels, the
# button at (16, 16) inside it, 97 by 33 pixels.
read_button=(352 328)

fail() {
  echo "package-check: $*" >&2
  exit 1
}

shopt -s nullglob
packages=("$package_dir"/*.deb)
[ ${#packages[@]} -eq 1 ] || fail "expected one package in $package_dir, found ${#packages[@]}"
deb=${packages[0]}
echo "package-check: $deb"

depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
grep -Eq 'libqt[56]widgets' <<<"$depends" || fail "the package does not depend on the system's Qt"

work=$package_dir/check
root=$work/root
rm -rf "$work"
mkdir -p "$work"
dpkg-deb --extract "$deb" "$root"

for file in usr/bin/tarnix usr/lib/tarnix/libMF1.so usr/share/applications/$app_id.desktop \
            usr/share/metainfo/$app_id.metainfo.xml usr/share/icons/hicolor/scalable/apps/$app_id.svg; do
  [ -f "$root/$file" ] || fail "the package lacks /$file"
done
desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"

started=()
cleanup() {
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${started[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

# An X server of its own; -displayfd names the display it took.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>"$work/xvfb.log" </dev/null &
started+=($!)
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start (see $work/xvfb.log)"
mkdir -m 0700 "$work/runtime"

# Nothing but the display and a runtime folder: no library path, no Qt
# platform chosen. The simulated reader rings its bell on standard error.
env -i PATH=/usr/bin:/bin HOME="$work" LANG=C.UTF-8 DISPLAY=":$(cat "$work/display")" XDG_RUNTIME_DIR="$work/runtime" \
  "$root/usr/bin/tarnix" </dev/null >"$work/tarnix.out" 2>"$work/tarnix.err" &
tarnix=$!
started+=("$tarnix")
export DISPLAY=":$(cat "$work/display")"

window=$(timeout 30 xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1) ||
  fail "no window titled $title was mapped within 30 s (see $work/tarnix.err)"
echo "package-check: window $window titled $title is mapped"

xdotool mousemove --window "$window" "${read_button[@]}" click 1
bundled=$(realpath "$root/usr/lib/tarnix/libMF1.so")
for _ in $(seq 100); do
  grep -qF "$bundled" "/proc/$tarnix/maps" && grep -q $'\a' "$work/tarnix.err" && break
  sleep 0.1
done
grep -qF "$bundled" "/proc/$tarnix/maps" || fail "Read did not load the bundled reader $bundled"
grep -q $'\a' "$work/tarnix.err" || fail "Read did not ring the simulated reader's bell"
echo "package-check: Read bound the bundled reader $bundled and it beeped"
echo "package-check: passed"
