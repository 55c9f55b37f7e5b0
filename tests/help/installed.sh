#!/usr/bin/env bash
# An install under any prefix (and under DESTDIR) holds the program, its documents, the icon and
# a desktop entry that starts the installed program in the folder holding those documents.
set -u
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
expect_install() {  # root on disk, prefix written into the entry
  local root=$1 prefix=$2
  local entry=$root/share/applications/velantra.desktop
  [ -x "$root/bin/velantra" ] || { echo "FAIL: no program in $root/bin"; fail=1; }
  [ -f "$root/share/icons/hicolor/32x32/apps/velantra.png" ] || { echo "FAIL: no icon"; fail=1; }
  [ -f "$root/share/metainfo/org.velantra.Velantra.metainfo.xml" ] || { echo "FAIL: no metainfo"; fail=1; }
  grep -qx "Exec=$prefix/bin/velantra" "$entry" || { echo "FAIL: Exec= in $entry"; cat "$entry"; fail=1; }
  grep -qx "Path=$prefix/share/velantra" "$entry" || { echo "FAIL: Path= in $entry"; cat "$entry"; fail=1; }
  # Every file the menu opens is in the entry's working directory.
  # The English ones in a folder of their own there.
  for f in {,en/}{spravka.pdf,spravka2.pdf,spravka3.pdf,Snell.pdf,uprav.pdf,instruction.txt}; do
    [ -s "$root/share/velantra/$f" ] || { echo "FAIL: $f not installed beside the entry's Path"; fail=1; }
  done
}
cmake --install "$build" --prefix "$work/a" >/dev/null || { echo "FAIL: install to a prefix"; exit 1; }
expect_install "$work/a" "$work/a"
DESTDIR=$work/stage cmake --install "$build" --prefix /opt/velantra >/dev/null ||
  { echo "FAIL: staged install"; exit 1; }
expect_install "$work/stage/opt/velantra" /opt/velantra
exit $fail
