#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# As root it installs what is missing; otherwise it prints the one command to run.
set -euo pipefail
packages=(cmake make g++ qt6-base-dev qt6-base-dev-tools libgtest-dev libgmock-dev
  libbenchmark-dev libasound2-dev fonts-liberation fonts-dejavu-core
  libx11-dev xvfb xdotool x11-utils imagemagick poppler-utils)
if [ "${1:-}" = "--hardening" ]; then
  # locales: the format tests check the number texts under a decimal-comma locale.
  packages+=(clang-14 libclang-rt-14-dev gcovr cppcheck clang-tidy clang-format locales)
fi
missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Missing Debian packages. Install them with:"
  echo "sudo apt-get install ${missing[*]}"
  exit 1
fi
