#!/usr/bin/env bash
# Installs from Debian what the build needs, plus the packages named as
# arguments; only what is missing, so it is quick to run again.
set -euo pipefail

PACKAGES=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-base-private-dev qt6-serialport-dev libgtest-dev "$@")

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [[ $(id -u) -ne 0 ]] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
