#!/usr/bin/env bash
# Installs what the builds and tests need on Debian 12 when it is missing; safe to run again.
set -euo pipefail

# gcc-12-source: the sources of the cross compilers' GCC, from which the i686 build compiles a few
# runtime objects for the Pentium (cmake/PelkPentiumRuntime.cmake).
packages=(cmake ninja-build g++ ccache googletest libgtest-dev
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 gcc-12-source
          wine wine32:i386 wine64 fonts-wine xvfb xauth x11-utils imagemagick)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

missing=()
for package in "${packages[@]}"; do
  installed "$package" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
