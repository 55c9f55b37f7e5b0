#!/usr/bin/env bash
# Every page of every document, in each language, keeps its ink inside the text column (the documents are drawn
# unclipped to the page's edges, so a table or line that runs past the column shows here), and
# every figure is there:
# the band between its caption and the caption above holds the figure's colour, the ray's
# red or the plot's blue, as a viewer renders the page.
set -u
dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpi=50
fail=0
mm() { echo $(( $1 * dpi * 10 / 254 )); }

# A4 with margins of 20 mm at the sides and 18 mm at the top and bottom (one pixel of
# antialiasing allowed); ink is any channel darker than 92 %.
check_margins() {  # document
  local png ink
  pdftoppm -r $dpi -png "$docs/$1.pdf" "$work/$1" || { echo "FAIL: $docs/$1.pdf does not render"; fail=1; return; }
  for png in "$work/$1"-*.png; do
    ink=$(convert "$png" -fill white -draw "rectangle $(( $(mm 20) - 1 )),$(( $(mm 18) - 1 )) $(( $(mm 190) + 1 )),$(( $(mm 279) + 1 ))" \
      -separate -evaluate-sequence min -threshold 92% -format "%[fx:round(w*h*(1-mean))]" info:)
    [ "$ink" -eq 0 ] || { echo "FAIL: $(basename "$png"): $ink pixels of ink in the margins"; fail=1; }
  done
}

# The figure captioned "<word> N." (the language's word for a figure) has at least `least` pixels of its colour above the caption
# and below the caption before it on the same page.
check_figure() {  # document number colour least
  local doc=$1 number=$2 colour=$3 least=$4 pages page top bottom
  pages=$(pdfinfo "$docs/$doc.pdf" | awk '/^Pages:/ { print $2 }')
  for ((page = 1; page <= pages; page++)); do
    read -r top bottom < <(pdftotext -f $page -l $page -bbox "$docs/$doc.pdf" - | awk -v n="$number." -v fig="$word" '
      /<word / { w = $0; sub(/.*">/, "", w); sub(/<\/word>.*/, "", w)
                 y = $0; sub(/.*yMin="/, "", y); sub(/".*/, "", y)
                 if (prev == fig && w == n) { print int(top), int(prevy); exit }
                 if (prev == fig && w ~ /^[0-9]+\.$/) top = prevy
                 prev = w; prevy = y }')
    [ -n "${bottom:-}" ] || continue
    local png found high=GB low=R
    png=$work/$doc-$(printf "%0${#pages}d" $page).png
    [ "$colour" = blue ] && { high=B; low=RG; }
    [ "$colour" = red ] && { high=R; low=GB; }
    found=$(convert "$png" -crop "x$(( (bottom - top) * dpi / 72 ))+0+$(( top * dpi / 72 ))" +repage \
      -channel $high -threshold 78% -channel $low -threshold 35% -negate +channel \
      -separate -evaluate-sequence min -format "%[fx:round(w*h*mean)]" info:)
    [ "$found" -ge "$least" ] ||
      { echo "FAIL: $docs/$doc.pdf $word $number (page $page): $found $colour pixels, expected $least or more"; fail=1; }
    return
  done
  echo "FAIL: $docs/$doc.pdf has no figure captioned $word $number"
  fail=1
}

# The Russian documents, the original, in the folder itself; each other language's in its own.
for edition in "ru Рис." "en Fig."; do
  read -r lang word <<<"$edition"
  docs=$dir; [ "$lang" = ru ] || docs=$dir/$lang
  rm -f "$work"/*.png
  for pdf in "$docs"/*.pdf; do check_margins "$(basename "$pdf" .pdf)"; done
  for n in 1 2 4 5 6 7 8 9; do check_figure spravka $n red 40; done
  check_figure spravka 3 blue 40
  check_figure spravka2 1 blue 40
  check_figure spravka2 2 red 40
  check_figure uprav 1 red 10  # the whole window at column width: a short ray
  check_figure uprav 2 red 40
done
exit $fail
