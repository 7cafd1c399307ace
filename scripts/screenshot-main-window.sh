#!/usr/bin/env bash
# Photographs the main window with a listed mailbox: a loopback dovecot serves a few
# messages, tarnwell runs under Xvfb, the key C starts the check and `import` takes
# the picture of the screen.
#
#   scripts/screenshot-main-window.sh [OUTPUT.png]
#
# OUTPUT defaults to BUILD/screenshots/main-window.png; BUILD_DIR names the build
# folder (default: build). Needs xvfb-run, ImageMagick's import and xdotool (installed
# here when missing and run as root).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
out=${1:-$build/screenshots/main-window.png}

if [ "${1:-}" = "--inside-xvfb" ]; then
  # Second half, run by xvfb-run: start the program, check, photograph.
  build=$2 home=$3 out=$4
  "$build/bin/tarnwell" --home "$home" &
  app=$!
  trap 'kill "$app" 2>/dev/null || true' EXIT
  # The splash carries the same title; it goes after its 1.5 s tick.
  timeout 30 xdotool search --sync --onlyvisible --name '^Tarnwell$' >/dev/null
  sleep 2.5
  window=$(xdotool search --onlyvisible --name '^Tarnwell$' | tail -n 1)
  xdotool windowfocus --sync "$window"
  xdotool key --clearmodifiers c
  # The listing of a few messages from loopback takes well under a second.
  sleep 3
  import -window root "$out"
  exit 0
fi

if ! command -v xdotool >/dev/null 2>&1; then
  if [ "$(id -u)" -eq 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xdotool >/dev/null
  else
    echo "screenshot: xdotool is missing" >&2
    exit 1
  fi
fi
for tool in xvfb-run import; do
  command -v "$tool" >/dev/null 2>&1 || { echo "screenshot: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done

[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build "$build" --target tarnwell tarnwell_screenshot_fixture

work=$(mktemp -d)
fixture_pid=
cleanup() {
  [ -n "$fixture_pid" ] && kill "$fixture_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The fixture serves until its standard input closes, so it goes when this script does.
mkfifo "$work/stdin"
"$build/bin/tarnwell_screenshot_fixture" "$work/home" <"$work/stdin" >"$work/fixture.out" &
fixture_pid=$!
exec 3>"$work/stdin"
for _ in $(seq 1 300); do
  grep -q '^ready$' "$work/fixture.out" 2>/dev/null && break
  kill -0 "$fixture_pid" 2>/dev/null || { echo "screenshot: the mail server did not start" >&2; exit 1; }
  sleep 0.1
done
grep -q '^ready$' "$work/fixture.out" || { echo "screenshot: the mail server did not get ready" >&2; exit 1; }
TARNWELL_CA_FILE=$(sed -n 's/^CA //p' "$work/fixture.out")
export TARNWELL_CA_FILE

mkdir -p "$(dirname "$out")"
xvfb-run -a -s "-screen 0 800x560x24" "$0" --inside-xvfb "$build" "$work/home" "$out"
exec 3>&-
echo "screenshot: $out"
