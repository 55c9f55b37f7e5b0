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
# The squares of (9) are left out: pdftotext reads them from Qt 6.4's PDFs but not from 6.8's,
# which draw them all the same.
check spravka.pdf "Теория" "1. Закон преломления" "2. Полное внутреннее отражение и предельный угол" "3. Инвариант луча" "4. Путь луча при линейном профиле" "5. Частные случаи" "Литература" "цепная линия" \
  "X90 = x + u0 sin θ · ln tg (|θ| / 2), (7)" "Y90 = u0 |sin θ| − P, (8)" "S = √(R" "θ), A1,2 =" "X01 = x + u0 sin θ · ln A1" "по формулам (7) и (8)" \
  "n1 = 1,000292; nmin = 1,3333; nmax = 1,4; X0 = 2,5 м; Yo = 0,6 м; a0 = 45°" "X90,Y90=-10,33, -5,43; X01,X02=1,88, -22,55" "Velantra 1.0"
check spravka2.pdf "Показатель преломления растворов соли и сахара" "Как приготовить кювету" "Источники" "Таблица 1" "Таблица 2" "nmin = 1,333; nmax = 1,3999" "Сахароза" "Хлорид натрия" "1,3479" "1,3505" "CRC Handbook" "ICUMSA" "кювету"
check spravka3.pdf "Воздух 1,000292" "Вода 1,333" "Алмаз 2,417" "BK7) 1,5168" "CRC Handbook"
check Snell.pdf "Снеллиус (1580–1626)" "Ибн Сахль" "1602" "1621" "Декарт" "1662" "Гюйгенс" "Источники"
check uprav.pdf "Управление программой" "Параметры среды" "Кнопка «ПУСК»" "Характеристики" "Меню" "a0 = 135°" "ПУСК" "nmin=" "nmax=" "Yo=" "α0=" "Полосы прокрутки" "Координаты пересечения с границей сред" "О программе"
# The controls guide carries the two window pictures the build drew, at the window's size.
[ "$(pdfimages -list "$dir/uprav.pdf" 2>/dev/null | grep -Ec '^ +[0-9]+ +[0-9]+ +image +860 +3[0-9][0-9] ')" -eq 2 ] ||
  { echo "FAIL: uprav.pdf lacks a picture of the window"; fail=1; }
grep -q "ПУСК" "$dir/instruction.txt" || { echo "FAIL: instruction.txt"; fail=1; }
iconv -f UTF-8 -t UTF-8 "$dir/instruction.txt" >/dev/null || { echo "FAIL: instruction.txt is not UTF-8"; fail=1; }
exit $fail
