#!/bin/bash
# Installs the Debian packages that building and testing need, when any is missing.
set -euo pipefail

packages=(
  cmake make python3
  g++-mingw-w64-x86-64-posix
  wine wine64
  xvfb xauth
  fonts-ipafont-gothic fonts-wine
  locales-all
  googletest
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "install-deps: installing ${missing[*]}"
$sudo apt-get update
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
