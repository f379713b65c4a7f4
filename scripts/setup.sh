#!/usr/bin/env bash
# Installs every Debian package the build, the tests, the tools and the benchmarks need.
# Idempotent; run as root (or with sudo available) on a fresh Debian 12 machine.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git clang-format
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libcurl4-openssl-dev ca-certificates curl openssl time
  mdbtools mdbtools-dev libglib2.0-dev
  libcpp-httplib-dev libssl-dev
  libgtest-dev libgmock-dev
  nlohmann-json3-dev
  liblnk-utils
  fonts-open-sans fonts-dejavu-core
  imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: every package is already installed"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
echo "setup: installed ${missing[*]}"
