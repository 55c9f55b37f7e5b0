#!/usr/bin/env bash
# Installs the Debian packages a command needs, by group:
#   run      building and running the program and its documents (`make run`)
#   test     the tests, benchmarks and checks of `make test`
#   package  building and checking the Debian package (`make package`)
#   release  making clean roots of a release (`make check-release`)
#   web      the browser edition and its tests in three engines (`make web`, `make test`)
# As root it installs what is missing; otherwise it prints the one command to run and stops.
set -euo pipefail
source "$(dirname "$0")/toolchain.sh"
packages=()
for group in "${@:-run}"; do
  case $group in
    # gettext: msgfmt compiles the catalogues of po/ into the program (and xgettext, msgmerge
    # keep them in step with the code).
    run) packages+=(cmake make g++ qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev libasound2-dev
      fonts-liberation fonts-dejavu-core gettext) ;;
    # locales: the format tests check the number texts under a decimal-comma locale.
    # dbus-daemon, at-spi2-core, python3-pyatspi: the end-to-end test finds the controls on the
    # accessibility bus; weston, qt6-wayland: it runs once more natively on a headless Wayland
    # compositor.
    test) packages+=(git libgtest-dev libgmock-dev libbenchmark-dev libx11-dev xvfb xdotool
      x11-utils imagemagick poppler-utils python3 dbus-daemon at-spi2-core python3-pyatspi
      weston qt6-wayland
      "${LLVM_PACKAGES[@]}" gcovr cppcheck locales) ;;
    # appstream, desktop-file-utils: lintian validates the metainfo and the menu entry with them.
    package) packages+=(dpkg-dev file lintian appstream desktop-file-utils debootstrap) ;;
    release) packages+=(git debootstrap) ;;
    # fonttools, python3-brotli: the page's fonts are cut to the scripts it writes, as WOFF2.
    # A Node.js from outside Debian brings its own npm, which Debian's npm would conflict with.
    # firefox-esr, webkit2gtk-driver with libwebkit2gtk-4.1-0 (its MiniBrowser), xvfb (the
    # MiniBrowser has no headless mode), locales (the MiniBrowser's language is the C locale's,
    # compiled by localedef where the system has none): the other two engines of the tests.
    # esbuild: bundles the page's modules into its one script.
    web) packages+=(emscripten esbuild nodejs chromium fonttools python3-brotli fonts-liberation
      fonts-dejavu-core firefox-esr webkit2gtk-driver libwebkit2gtk-4.1-0 xvfb locales)
      command -v npm >/dev/null || packages+=(npm) ;;
    *) echo "install-deps.sh: unknown group $group (run, test, package, release, web)" >&2; exit 2 ;;
  esac
done
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
  echo "sudo apt-get install $(printf '%s\n' "${missing[@]}" | sort -u | paste -sd ' ')"
  exit 1
fi
