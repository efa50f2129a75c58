#!/usr/bin/env bash
# Installs what the build and the tests need, from Debian's packages only.
# Quiet and quick when everything is already present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build clang-format pkg-config
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nasm
  libgtest-dev libgmock-dev libbenchmark-dev
  libjpeg62-turbo-dev libpng-dev libfreetype-dev
  wine wine64 xvfb xdotool x11-utils faketime imagemagick
  xfonts-shinonome fonts-ipafont-gothic
  dpkg-dev libc-bin procps
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
as_root apt-get update -qq
as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
