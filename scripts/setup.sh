#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quillet need.
# Does nothing when they are all present; uses sudo only when not root.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev libqt6svg6 qt6-svg-dev qt6-l10n-tools
  libsqlite3-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  dbus dbus-daemon dbus-bin
  fonts-dejavu-core tzdata
)
# `make fuzz` builds with clang and its libFuzzer runtime.
if [[ "${1:-}" == fuzz ]]; then packages+=(clang libclang-rt-14-dev); fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
