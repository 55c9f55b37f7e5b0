#!/usr/bin/env bash
# Builds velantra_<version>_<arch>.deb in the given folder (build-package by default) with
# Debian's hardening flags and fails when lintian reports an error on it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}
jobs=${JOBS:-$(nproc)}
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=None -DVELANTRA_TESTS=OFF -DVELANTRA_BENCH=OFF \
  -DVELANTRA_FUZZ=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j "$jobs"
rm -f "$build"/velantra_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
deb=$(ls "$build"/velantra_*.deb)
echo "package: $deb, $(du -k "$deb" | cut -f1) KiB"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
lintian --fail-on error "$deb"
echo "lintian: no errors"
