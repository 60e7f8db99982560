#!/usr/bin/env bash
# Prepares a fresh Debian 12 machine (as root) for building, running and testing Vorlune.
# Idempotent: a second run changes nothing and finishes in a few seconds.
set -euo pipefail

packages=(
  # native toolchain and build
  build-essential cmake ninja-build pkg-config dpkg-dev
  # Windows cross toolchain (i686, posix threads)
  gcc-mingw-w64-i686-posix g++-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  # what GLFW's X11 backend and the GL declarations need
  libx11-dev libxrandr-dev libxinerama-dev libxcursor-dev libxi-dev libxext-dev libgl-dev libgl1-mesa-dev
  # tests and benchmarks
  googletest libgtest-dev libbenchmark-dev
  # running the Windows build and driving windows
  wine wine32:i386 wine64 xvfb xauth xdotool imagemagick x11-utils
  libgl1 libgl1-mesa-dri libglx-mesa0 libgl1:i386 libgl1-mesa-dri:i386 libglx-mesa0:i386
  python3 python3-pytest python3-numpy python3-pil python3-xlib
  # fuzzing, static checks, tracing
  clang libclang-rt-14-dev clang-format clang-tidy strace
)

missing() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

changed=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  changed=1
fi

# deb-src for bookworm main: the GLFW source comes from Debian's source package
src=/etc/apt/sources.list.d/vorlune-src.sources
if [[ ! -f $src ]]; then
  cat >"$src" <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  changed=1
fi

todo=$(missing)
if [[ -n $todo || $changed == 1 ]]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  # shellcheck disable=SC2086
  [[ -n $todo ]] && apt-get install -y -q --no-install-recommends $todo
fi

echo "setup: all packages present"
