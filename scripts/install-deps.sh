#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the stock dictionary
# need. Safe to run again; does nothing when everything is there.
set -euo pipefail
packages=(
  an
  clang
  cmake
  fonts-liberation
  g++
  libbenchmark-dev
  libclang-rt-14-dev
  libgl-dev
  libgmock-dev
  libgtest-dev
  myspell-da
  ninja-build
  qt6-base-dev
  qxw
  wdanish
  xauth
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
