#!/usr/bin/env bash
# `make test` on the committed HEAD of this checkout inside a clean root of a Debian release
# (bookworm, trixie): the project's own script installs the packages, then the build, the whole
# test suite with the end-to-end run, and the format and static checks. Sanitizers and fuzzing
# are left to the host's run. The root and its installed packages are cached between runs.
# Usage: check-release.sh <release>
set -euo pipefail
cd "$(dirname "$0")/.."
release=${1:?usage: check-release.sh <release>}
bash scripts/install-deps.sh release
source scripts/roots.sh
start=$(date +%s)
mkdir -p "$VELANTRA_ROOTS/$release"
# One run of a release at a time: the cached layers are made and used by each.
exec 9>"$VELANTRA_ROOTS/$release/lock"
flock 9
run=$(mktemp -d "$VELANTRA_ROOTS/$release/run.XXXXXX")
deps=$VELANTRA_ROOTS/$release/deps
# The package layer is made afresh when the lists it was made from change.
lists=$(cat scripts/install-deps.sh scripts/toolchain.sh | sha256sum | cut -d' ' -f1)
[ "$(cat "$deps.done" 2>/dev/null)" = "$lists" ] || rm -f "$deps.done"
finish() {
  root_discard "$run/layer"
  [ -f "$deps.done" ] || root_discard "$deps"
  rm -rf "$run"
}
trap finish EXIT
trap 'exit 130' INT TERM HUP

base=$(root_base "$release")
# The project's packages as its own script installs them on a fresh machine, kept as a layer
# over the clean root.
if [ ! -f "$deps.done" ]; then
  echo "-- installing the project's packages into the $release root"
  root_discard "$deps"
  mkdir -p "$deps/root/setup"
  cp scripts/install-deps.sh scripts/toolchain.sh "$deps/root/setup/"
  root_run "$base" "$deps" bash -ec 'apt-get update -qq
    bash /root/setup/install-deps.sh run test web
    rm -rf /root/setup' >"$run/deps.log" 2>&1 || { tail -n 30 "$run/deps.log"; exit 1; }
  rm -rf "$deps.work" "$deps.mnt"
  echo "$lists" >"$deps.done"
fi
ready=$(date +%s)

mkdir -p "$run/layer/root"
git clone -q --no-local . "$run/layer/root/velantra"
git -C "$run/layer/root/velantra" checkout -q --detach "$(git rev-parse HEAD)"
# The browser tests' npm package is fetched here: the root does not share the host's
# certificate store.
(cd "$run/layer/root/velantra" && npm ci --no-audit --no-fund --loglevel=error)
echo "-- make test in a clean $release root at $(git rev-parse --short HEAD)"
root_run "$deps:$base" "$run/layer" bash -ec 'cd /root/velantra
  CI=true make test CHECKS="format static" JOBS='"${JOBS:-$(nproc)}"
end=$(date +%s)
echo "release $release: passed; root ready in $((ready - start)) s, make test in $((end - ready)) s"
