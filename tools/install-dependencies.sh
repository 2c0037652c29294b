#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when
# any is missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
  git g++ cmake ninja-build pkg-config python3
  qt6-base-dev libgl-dev libfast-float-dev libfmt-dev
  libboost-dev libgtest-dev libgmock-dev libbenchmark-dev python3-sympy
  fonts-liberation
  xvfb xauth libx11-dev libxdamage-dev
  appstream desktop-file-utils dpkg-dev file
  clang clang-tidy clang-format libclang-rt-14-dev llvm
  emscripten googletest chromium node-terser node-qrcode-generator
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
# node and npm, for the browser edition's tests: Debian's unless the machine
# already has them from elsewhere.
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
