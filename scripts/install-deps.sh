#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the stock dictionary
# need. Safe to run again; does nothing when everything is there.
set -euo pipefail
packages=(
  an
  appstream
  clang
  cmake
  desktop-file-utils
  dict-freedict-dan-eng
  dpkg-dev
  file
  fonts-dejavu-extra
  fonts-liberation
  g++
  hunspell-is
  hunspell-tools
  hyphen-da
  libbenchmark-dev
  libclang-rt-14-dev
  libgl-dev
  libgmock-dev
  libgtest-dev
  libhunspell-dev
  libhyphen-dev
  libpq-dev
  pkgconf
  libsqlite3-dev
  libxxhash-dev
  lintian
  myspell-da
  mythes-da
  ninja-build
  nlohmann-json3-dev
  poppler-utils
  postgresql
  qt6-base-dev
  qt6-svg-dev
  qt6-translations-l10n
  qxw
  scdoc
  shared-mime-info
  tesseract-ocr
  tesseract-ocr-dan
  tesseract-ocr-eng
  wbritish
  wbritish-small
  wdanish
  wngerman
  wnorwegian
  wspanish
  wswedish
  xauth
  xdg-utils
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
