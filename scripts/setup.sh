#!/usr/bin/env bash
# Installs the Debian packages Tavo Calculator needs to build, run and test; installs only what
# is missing, so running it again is quick. Needs root (or sudo) when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-format libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libjpeg62-turbo-dev fonts-liberation2 libcli11-dev
  xvfb xauth poppler-utils shapelib python3-dbf
  cups cups-client printer-driver-cups-pdf
  desktop-file-utils appstream shared-mime-info libxml2-utils groff-base file x11-utils dpkg-dev
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "setup: installing ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
