#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when
# any is missing. Safe to run again: it does nothing when all are present.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  clang-14 libclang-rt-14-dev
  libgtest-dev libgmock-dev
  qt6-base-dev libqt6opengl6-dev qt6-serialport-dev qt6-charts-dev
  libqt6sql6-sqlite
  fonts-dejavu-core fonts-liberation2 poppler-utils xvfb xauth
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
