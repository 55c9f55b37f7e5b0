# Clean Debian roots for the release and package checks (sourced, not run).
# A release's root is made once with debootstrap from the Debian archive the host's own apt
# sources name and cached under $VELANTRA_ROOTS; every run sees it through an overlay whose
# upper layer is thrown away, so the cache stays as debootstrap left it. Each run lives in
# private mount and PID namespaces: its mounts and processes end with it, however it ends.
VELANTRA_ROOTS=${VELANTRA_ROOTS:-/var/cache/velantra/roots}

# The archive of the host's first non-security apt source.
root_mirror() {
  local url
  url=$(cat /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null |
    grep -oE '^(URIs:|deb)[[:space:]]+(\[[^]]*\][[:space:]]+)?[a-z]+://[^[:space:]]+' |
    grep -oE '[a-z]+://[^[:space:]]+' | grep -v security | head -1 || true)
  echo "${url:-http://deb.debian.org/debian}"
}

# root_base RELEASE: prints the cached minimal root of RELEASE, making it when missing.
root_base() {
  local release=$1 dir=$VELANTRA_ROOTS/$1/base
  if [ ! -f "$dir.done" ]; then
    echo "-- debootstrap $release from $(root_mirror) into $dir" >&2
    rm -rf "$dir"
    mkdir -p "$dir"
    debootstrap --variant=minbase "$release" "$dir" "$(root_mirror)" >"$dir.log" 2>&1 ||
      { tail -n 20 "$dir.log" >&2; return 1; }
    touch "$dir.done"
  fi
  echo "$dir"
}

# root_run LOWER UPPER COMMAND...: runs COMMAND as root in a chroot of the overlay of UPPER on
# LOWER (a colon-separated list of layers, top first) with proc, sys, dev, a tmpfs /tmp and the
# release's cached apt downloads. The run's PID is kept in ROOT_PID for root_discard.
ROOT_PID=
root_run() {
  local lower=$1 upper=$2
  shift 2
  local release=${lower##"$VELANTRA_ROOTS"/}
  release=${release%%/*}
  local apt_cache=$VELANTRA_ROOTS/$release/apt-archives
  mkdir -p "$upper" "$upper.work" "$upper.mnt" "$apt_cache/partial"
  unshare --mount --pid --fork --kill-child --propagation private bash -euc '
    lower=$1 upper=$2 apt_cache=$3
    shift 3
    top=$upper.mnt
    mount -t overlay overlay -o "lowerdir=$lower,upperdir=$upper,workdir=$upper.work" "$top"
    mount -t proc proc "$top/proc"
    mount --rbind /sys "$top/sys"
    mount --rbind /dev "$top/dev"
    mount -t tmpfs tmpfs "$top/tmp"
    mount --bind "$apt_cache" "$top/var/cache/apt/archives"
    cp /etc/resolv.conf "$top/etc/resolv.conf"
    chroot "$top" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb CI="${CI:-}" \
      DEBIAN_FRONTEND=noninteractive PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin "$@"
  ' root_run "$lower" "$upper" "$apt_cache" "$@" &
  ROOT_PID=$!
  local status=0
  wait "$ROOT_PID" || status=$?
  ROOT_PID=
  return $status
}

# root_discard UPPER: ends a run still going (its namespaces take every process and mount with
# them), unmounts by path whatever is still mounted there, and removes the run's layer.
root_discard() {
  local upper=$1 m
  if [ -n "$ROOT_PID" ]; then
    kill "$ROOT_PID" 2>/dev/null || true
    wait "$ROOT_PID" 2>/dev/null || true
    ROOT_PID=
  fi
  [ -n "$upper" ] || return 0
  if [ -d "$upper.mnt" ]; then
    findmnt -rn -o TARGET | { grep -F "$upper.mnt" || true; } | sort -r |
      while read -r m; do umount -l "$m"; done
  fi
  rm -rf "$upper" "$upper.work" "$upper.mnt"
}
