#!/usr/bin/env bash
# Installs the Debian package into a clean root of each release given with apt-get, as a school's
# administrator would, starts the command of its menu entry in the entry's folder under Xvfb,
# waits for the window, and removes the package, which must leave none of its files behind.
# Before that, each release's own validators judge the package: appstreamcli its metainfo,
# desktop-file-validate its menu entry and lintian the whole package, warnings included.
# Usage: check-package.sh <folder holding velantra_*.deb> <release>...
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:?usage: check-package.sh <folder> <release>...}
shift
deb=$(ls "$dir"/velantra_*.deb | head -1)
bash scripts/install-deps.sh release
source scripts/roots.sh
layer=
trap 'root_discard "$layer"' EXIT
trap 'exit 130' INT TERM HUP
for release in "$@"; do
  start=$(date +%s)
  base=$(root_base "$release")
  layer=$VELANTRA_ROOTS/$release/package.$$
  mkdir -p "$layer/root"
  cp "$deb" "$layer/root/"
  echo "-- $(basename "$deb") in a clean $release root"
  root_run "$base" "$layer" bash -euc '
    cd /root
    apt-get update -qq
    # The check'"'"'s own tools come first, so that removing the package is judged alone.
    apt-get install -y -qq --no-install-recommends xvfb xdotool appstream desktop-file-utils \
      lintian >/dev/null
    # The metainfo is judged as lintian judges it, in the unpacked tree beside its menu entry,
    # and offline: the file is judged, not whether its homepage answers today.
    dpkg-deb -x velantra_*.deb tree
    appstreamcli --version
    appstreamcli validate-tree --no-net tree || { echo "FAIL: appstreamcli"; exit 1; }
    desktop-file-validate tree/usr/share/applications/velantra.desktop ||
      { echo "FAIL: desktop-file-validate"; exit 1; }
    lintian --fail-on error,warning velantra_*.deb || { echo "FAIL: lintian"; exit 1; }
    echo "appstreamcli, desktop-file-validate and lintian $(lintian --version | cut -d" " -f2): no warning"
    apt-get install -y -qq ./velantra_*.deb >install.log 2>&1 || { tail -n 20 install.log; exit 1; }
    dpkg -L velantra >files.txt
    entry=/usr/share/applications/velantra.desktop
    exec_line=$(sed -n "s/^Exec=//p" "$entry")
    folder=$(sed -n "s/^Path=//p" "$entry")
    Xvfb -displayfd 3 -noreset -screen 0 1280x800x24 -nolisten tcp 3>display 2>xvfb.log &
    xvfb=$!
    for _ in $(seq 100); do grep -q . display && break; sleep 0.1; done
    export DISPLAY=:$(head -1 display)
    (cd "$folder" && exec $exec_line) >app.log 2>&1 &
    app=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Velantra\$" | head -1)
    [ -n "$window" ] || { echo "FAIL: no window from \"$exec_line\" in $folder"; cat app.log; exit 1; }
    echo "window $window from \"$exec_line\" in $folder"
    kill "$app" "$xvfb"
    wait || true
    apt-get purge -y -qq velantra >/dev/null
    left=$(while read -r f; do [ -e "$f" ] && [ ! -d "$f" ] && echo "$f"; done <files.txt || true)
    [ -z "$left" ] || { echo "FAIL: left after removal:"; echo "$left"; exit 1; }
    [ ! -e /usr/share/velantra ] || { echo "FAIL: /usr/share/velantra left"; exit 1; }
    echo "installed, started and removed leaving no file"
  '
  root_discard "$layer"
  layer=
  echo "$release: package checked in $(($(date +%s) - start)) s"
done
