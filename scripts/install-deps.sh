#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Tarnwell need.
# Idempotent: does nothing when all are present, runs apt-get update once otherwise.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev qt6-multimedia-dev
  libqt6charts6-dev libqt6opengl6-dev libgl-dev
  libhunspell-dev hunspell-en-us libgmime-3.0-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  dovecot-pop3d dnsmasq openssl python3
  xvfb xauth imagemagick fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: these packages are missing and root is needed to install them: ${missing[*]}" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
# The packaged dovecot and dnsmasq services are not wanted: the tests start their own.
for svc in dovecot dnsmasq; do
  if command -v systemctl >/dev/null 2>&1; then systemctl disable --now "$svc" >/dev/null 2>&1 || true; fi
  service "$svc" stop >/dev/null 2>&1 || true
done
