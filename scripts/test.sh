#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test.
#   bash scripts/test.sh             the normal build (build/)
#   bash scripts/test.sh --sanitize  an address + undefined-behaviour build (build-asan/)
set -euo pipefail
cd "$(dirname "$0")/.."

sanitize=OFF
build=build
for arg in "$@"; do
  case "$arg" in
    --sanitize) sanitize=ON; build=build-asan ;;
    *) echo "usage: bash scripts/test.sh [--sanitize]" >&2; exit 2 ;;
  esac
done

bash scripts/install-deps.sh

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/ccache}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DTARNWELL_WERROR="$werror" -DTARNWELL_SANITIZE="$sanitize" >/dev/null
cmake --build "$build" -j2

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
cd "$build"
ctest --output-on-failure -j2 --timeout 300
