# Sourced by update-po.sh and check-catalogues.sh: what is extracted into po/velantra.pot, how.
# Every C++ source of the program and its documents' figures: tr(source), tr(context, source),
# the marker N_(source) and a figure's figure_text(source).
catalogue_sources() {
  git ls-files -- 'model/*.cpp' 'model/*.h' 'window/*.cpp' 'window/*.h' 'help/*.cpp' 'help/*.h' \
    'desktop/*.cpp' 'desktop/*.h' 'web/*.cpp' 'web/*.h' 'platform/*.cpp' 'platform/*.h' \
    'docs/*.cpp' 'docs/*.h' | LC_ALL=C sort
}
# extract OUT: the template from the sources, the menu entry and the metainfo.
extract() {
  local out=$1
  catalogue_sources | xgettext --files-from=- --language=C++ --from-code=UTF-8 \
    --keyword= --keyword=tr:1,1t --keyword=tr:1c,2,2t --keyword=N_ --keyword=figure_text:1 \
    --package-name=velantra --copyright-holder="the Velantra developers" --add-location=file \
    --no-wrap -o "$out"
  xgettext --join-existing --language=Desktop --keyword= --keyword=Comment \
    --keyword=Keywords --package-name=velantra \
    --copyright-holder="the Velantra developers" --add-location=file --no-wrap -o "$out" resources/velantra.desktop.in
  xgettext --join-existing --its=resources/its/metainfo.its --package-name=velantra \
    --copyright-holder="the Velantra developers" --add-location=file --no-wrap \
    -o "$out" resources/org.velantra.Velantra.metainfo.xml.in
}
# The template less its creation date, which each extraction sets anew.
undated() { grep -v '^"POT-Creation-Date:' "$1"; }
