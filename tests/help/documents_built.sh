#!/usr/bin/env bash
# Each reference document beside the program is a real PDF whose text holds its headings and key figures.
set -u
dir=$1
fail=0
check() {  # file, expected phrases...
  local file=$dir/$1; shift
  if [ "$(head -c 5 "$file" 2>/dev/null)" != "%PDF-" ]; then echo "FAIL: $file is not a PDF"; fail=1; return; fi
  local text; text=$( { pdftotext -layout "$file" -; pdftotext "$file" -; } 2>/dev/null | tr -s " \n" " ")
  for phrase in "$@"; do
    case $text in *"$phrase"*) ;; *) echo "FAIL: $file lacks '$phrase'"; fail=1 ;; esac
  done
}
check spravka.pdf "Закон преломления" "Полное внутреннее отражение" "предельный угол" "цепная линия" "X90 = x + u0 · sin θ · ln tg" "A1,2 = (R ± S)" "Показатель убывает с глубиной"
check spravka2.pdf "Сахароза" "Хлорид натрия" "1.3479" "1.3505" "CRC Handbook" "ICUMSA" "кювету"
check spravka3.pdf "Воздух 1.000292" "Вода 1.333" "Алмаз 2.417" "BK7) 1.5168" "CRC Handbook"
check Snell.pdf "Снеллиус (1580–1626)" "Ибн Сахль" "1602" "1621" "Декарт" "1662" "Гюйгенс" "Источники"
check uprav.pdf "ПУСК" "nmin=" "nmax=" "Yo=" "α0=" "Полосы прокрутки" "Координаты пересечения с границей сред" "О программе"
# The controls guide carries the window picture the build drew: one image of the window's size.
pdfimages -list "$dir/uprav.pdf" 2>/dev/null | grep -Eq '^ +1 +0 +image +860 +3[0-9][0-9] ' ||
  { echo "FAIL: uprav.pdf lacks the picture of the window"; fail=1; }
grep -q "ПУСК" "$dir/instruction.txt" || { echo "FAIL: instruction.txt"; fail=1; }
iconv -f UTF-8 -t UTF-8 "$dir/instruction.txt" >/dev/null || { echo "FAIL: instruction.txt is not UTF-8"; fail=1; }
exit $fail
