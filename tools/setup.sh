#!/usr/bin/env bash
# Installs what the build and the tests need, from Debian's packages only; `setup.sh fuzz` also
# what the libFuzzer targets need. Quiet and quick when everything is already present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build clang-format pkg-config
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nasm
  libgtest-dev libgmock-dev libbenchmark-dev
  libjpeg62-turbo-dev libpng-dev libfreetype-dev
  wine wine64 xvfb xserver-xephyr xdotool x11-utils libfaketime imagemagick
  xfonts-shinonome fonts-ipafont-gothic
  dpkg-dev libc-bin locales procps zip unzip osslsigncode openssl
)
if [ "${1:-}" = fuzz ]; then
  packages+=(clang libclang-rt-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
  as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Most players run a Japanese Windows (code page 932); Wine takes it from this locale.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "setup: making the locale ja_JP.UTF-8"
  as_root localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
