#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build, test and run the demo.
set -euo pipefail

packages=(
  build-essential make cmake ninja-build pkg-config
  libcairo2-dev libfreetype-dev libfontconfig-dev libpango1.0-dev
  # Fonts the text is drawn with: DejaVu (Latin, Greek, Cyrillic, Hebrew,
  # Arabic), WenQuanYi Micro Hei (Chinese, Japanese, Korean), Lohit
  # Devanagari (Hindi) and Loma (Thai).
  fonts-dejavu-core fonts-wqy-microhei fonts-lohit-deva fonts-tlwg-loma-ttf
  nlohmann-json3-dev libstb-dev libjpeg-dev libcli11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == *"ok installed"* ]] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
