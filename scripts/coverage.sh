#!/usr/bin/env bash
# Line and branch coverage of the program's own folders by the whole test suite:
# a --coverage build in build-coverage/, every ctest test, then gcovr per folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-coverage
jobs=${JOBS:-$(nproc)}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVELANTRA_WERROR=OFF -DVELANTRA_TESTS=ON \
  -DCMAKE_CXX_FLAGS="--coverage -O0" -DCMAKE_EXE_LINKER_FLAGS="--coverage" >/dev/null
cmake --build "$build" -j "$jobs"
find "$build" -name '*.gcda' -delete
# CMake's compiler probe leaves notes whose source is gone; gcov would warn on each pass.
find "$build/CMakeFiles" -name '*.gcno' -delete
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" -j "$jobs" --output-on-failure
# Generated moc and rcc sources sit in the build folder and are left out with it.
common=(--root . --object-directory "$build" --exclude-unreachable-branches
  --exclude-throw-branches --exclude "$build/" --exclude 'tests/' --exclude 'bench/'
  --exclude 'fuzz/')
for folder in model surface window help desktop; do
  echo "== $folder/"
  gcovr "${common[@]}" --filter "$folder/" --print-summary -o /dev/null | sed 's/^/   /'
done
gcovr "${common[@]}" --filter 'model/' --filter 'surface/' --filter 'window/' --filter 'help/' \
  --filter 'desktop/' \
  --html-details "$build/coverage.html" --print-summary
echo "HTML report: $build/coverage.html"
