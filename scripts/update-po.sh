#!/usr/bin/env bash
# Extracts every text a person reads into the template po/velantra.pot and merges it into each
# catalogue po/*.po, whose new or changed entries then wait for their translator (marked fuzzy).
# The Russian texts in the code are the source; scripts/check-catalogues.sh checks the result.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/catalogue-sources.sh
fresh=$(mktemp)
trap 'rm -f "$fresh"' EXIT
extract "$fresh"
# The template is rewritten only where more than its date changed.
if ! cmp -s <(undated "$fresh") <(undated po/velantra.pot 2>/dev/null || true); then
  cp "$fresh" po/velantra.pot
fi
for po in po/*.po; do
  [ -e "$po" ] || continue
  msgmerge --quiet --update --backup=none --no-wrap --add-location=file "$po" po/velantra.pot
  # An entry gone from the code is dropped, not kept as obsolete.
  msgattrib --no-obsolete --no-wrap --add-location=file -o "$po" "$po"
done
