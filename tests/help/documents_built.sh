#!/usr/bin/env bash
# Each reference document beside the program, in each language, is a real PDF whose text holds
# its headings and key figures, with the numbers written as that language writes them.
set -u
dir=$1
fail=0
# The Russian documents, the original, lie in the folder itself; each other language's in its own.
folder() { if [ "$1" = ru ]; then echo "$dir"; else echo "$dir/$1"; fi; }
check() {  # language, file, expected phrases...
  local file; file=$(folder "$1")/$2; shift 2
  if [ "$(head -c 5 "$file" 2>/dev/null)" != "%PDF-" ]; then echo "FAIL: $file is not a PDF"; fail=1; return; fi
  local text; text=$( { pdftotext -layout "$file" -; pdftotext "$file" -; } 2>/dev/null | tr -s " \n" " ")
  for phrase in "$@"; do
    case $text in *"$phrase"*) ;; *) echo "FAIL: $file lacks '$phrase'"; fail=1 ;; esac
  done
}
# The squares of (9) are left out: pdftotext reads them from Qt 6.4's PDFs but not from 6.8's,
# which draw them all the same.
check ru spravka.pdf "Теория" "1. Закон преломления" "2. Полное внутреннее отражение и предельный угол" "3. Инвариант луча" "4. Путь луча при линейном профиле" "5. Частные случаи" "Литература" "цепная линия" \
  "X90 = x + u0 sin θ · ln tg (|θ| / 2), (7)" "Y90 = u0 |sin θ| − P, (8)" "S = √(R" "θ), A1,2 =" "X01 = x + u0 sin θ · ln A1" "по формулам (7) и (8)" \
  "n1 = 1,000292; nmin = 1,3333; nmax = 1,4; X0 = 2,5 м; Yo = 0,6 м; a0 = 45°" "X90,Y90=-10,33, -5,43; X01,X02=1,88, -22,55" "Velantra 1.0"
check en spravka.pdf "Theory" "1. The law of refraction" "2. Total internal reflection and the critical angle" "3. The invariant of a ray" "4. The path of a ray in a linear index profile" "5. Special cases" "Further reading" "catenary" \
  "X90 = x + u0 sin θ · ln tan (|θ| / 2), (7)" "Y90 = u0 |sin θ| − P, (8)" "S = √(R" "θ), A1,2 =" "X01 = x + u0 sin θ · ln A1" "by formulas (7) and (8)" \
  "n1 = 1.000292; nmin = 1.3333; nmax = 1.4; X0 = 2.5" "X90,Y90=-10.33, -5.43; X01,X02=1.88, -22.55" "Velantra 1.0"
check ru spravka2.pdf "Показатель преломления растворов соли и сахара" "Как приготовить кювету" "Источники" "Таблица 1" "Таблица 2" "nmin = 1,333; nmax = 1,3999" "Сахароза" "Хлорид натрия" "1,3479" "1,3505" "CRC Handbook" "ICUMSA" "кювету"
check en spravka2.pdf "Refractive index of salt and sugar solutions" "How to prepare a tank" "Sources" "Table 1" "Table 2" "nmin = 1.333; nmax = 1.3999" "Sucrose" "Sodium chloride" "1.3479" "1.3505" "CRC Handbook" "ICUMSA"
check ru spravka3.pdf "Воздух 1,000292" "Вода 1,333" "Алмаз 2,417" "BK7) 1,5168" "CRC Handbook"
check en spravka3.pdf "Air 1.000292" "Water 1.333" "Diamond 2.417" "BK7) 1.5168" "CRC Handbook"
check ru Snell.pdf "Снеллиус (1580–1626)" "Ибн Сахль" "1602" "1621" "Декарт" "1662" "Гюйгенс" "Источники"
check en Snell.pdf "Snellius (1580–1626)" "Ibn Sahl" "1602" "1621" "Descartes" "1662" "Huygens" "Sources"
check ru uprav.pdf "Управление программой" "Параметры среды" "Кнопка «ПУСК»" "Характеристики" "Меню" "a0 = 135°" "ПУСК" "nmin=" "nmax=" "Yo=" "α0=" "Полосы прокрутки" "Координаты пересечения с границей сред" "О программе"
check en uprav.pdf "Controls of the program" "Media parameters" "The “START” button" "Results (result lines)" "Menu" "a0 = 135°" "nmin=" "nmax=" "Yo=" "α0=" "Scroll bars" "Coordinates where the path crosses the boundary" "Help → About"
for lang in ru en; do
  # The controls guide carries the two window pictures the build drew, at the window's size.
  [ "$(pdfimages -list "$(folder $lang)/uprav.pdf" 2>/dev/null | grep -Ec '^ +[0-9]+ +[0-9]+ +image +860 +3[0-9][0-9] ')" -eq 2 ] ||
    { echo "FAIL: $lang uprav.pdf lacks a picture of the window"; fail=1; }
  iconv -f UTF-8 -t UTF-8 "$(folder $lang)/instruction.txt" >/dev/null || { echo "FAIL: $lang instruction.txt is not UTF-8"; fail=1; }
done
grep -q "ПУСК" "$dir/instruction.txt" || { echo "FAIL: instruction.txt"; fail=1; }
grep -q "START" "$dir/en/instruction.txt" || { echo "FAIL: en/instruction.txt"; fail=1; }
exit $fail
