#!/usr/bin/env bash
# Fails when a catalogue of po/ does not match the texts in the code: the template must equal a
# fresh extraction, and each po/*.po must compile cleanly and translate every entry of it, none
# fuzzy, none left over, each with the same "{name}" placeholders as its source.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/catalogue-sources.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
extract "$work/fresh.pot"
if ! diff -u <(undated po/velantra.pot) <(undated "$work/fresh.pot") >"$work/diff"; then
  echo "po/velantra.pot differs from the texts in the code (run: bash scripts/update-po.sh):"
  cat "$work/diff"
  fail=1
fi
# Each entry as its context and source, one a line (a text of several lines on one).
keys() {
  msgexec --input="$1" sh -c \
    '[ -z "$MSGEXEC_MSGID" ] || printf "%s|%s\n" "${MSGEXEC_MSGCTXT-}" "$MSGEXEC_MSGID" | tr "\n" " "; echo' |
    grep -v '^$' | LC_ALL=C sort
}
# Each entry whose translation's placeholders differ from its source's.
placeholders() {
  msgexec --input="$1" sh -c '
    [ -z "$MSGEXEC_MSGID" ] && exit 0
    names() { grep -o "{[A-Za-z0-9_]*}" | LC_ALL=C sort | tr "\n" " "; }
    source=$(printf "%s" "$MSGEXEC_MSGID" | names)
    translation=$(cat | names)
    [ "$source" = "$translation" ] || printf "  %s: %s against %s\n" "$MSGEXEC_MSGID" "[$translation]" "[$source]"'
}
keys po/velantra.pot >"$work/template"
catalogues=0
for po in po/*.po; do
  [ -e "$po" ] || continue
  catalogues=$((catalogues + 1))
  if ! msgfmt --check --check-format -o /dev/null "$po" 2>"$work/msgfmt"; then
    echo "$po: msgfmt --check fails:"; cat "$work/msgfmt"; fail=1
  fi
  keys "$po" >"$work/entries"
  if ! diff <(cat "$work/template") "$work/entries" >"$work/diff"; then
    echo "$po: entries missing (<) or not in the template (>):"; cat "$work/diff"; fail=1
  fi
  stats=$(LC_ALL=C msgfmt --statistics -o /dev/null "$po" 2>&1)
  if [[ $stats == *fuzzy* || $stats == *untranslated* ]]; then
    echo "$po: not every entry translated: $stats"; fail=1
  fi
  if grep -q '^#~' "$po"; then
    echo "$po: obsolete entries (run: bash scripts/update-po.sh)"; fail=1
  fi
  wrong=$(placeholders "$po")
  if [ -n "$wrong" ]; then
    echo "$po: placeholders differ from the source's:"; echo "$wrong"; fail=1
  fi
done
[ $fail -eq 0 ] || exit 1
echo "catalogues: $catalogues checked against $(wc -l <"$work/template") texts"
