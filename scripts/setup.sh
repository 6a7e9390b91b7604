#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Idempotent: when every
# package is already there it only asks dpkg and returns.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libcurl4-openssl-dev libssl-dev libjpeg62-turbo-dev zlib1g-dev libzip-dev libpugixml-dev
  libbenchmark-dev clang libclang-rt-14-dev
  fonts-liberation2 fonts-dejavu-extra
  poppler-utils libxml2-utils strace python3-openpyxl python3-docx
  desktop-file-utils shared-mime-info xdg-utils libglib2.0-bin
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "setup: installing ${missing[*]}"
sudo=()
if ((EUID != 0)); then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
