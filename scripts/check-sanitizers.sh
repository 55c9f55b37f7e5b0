#!/usr/bin/env bash
# Builds the unit test programs with AddressSanitizer, LeakSanitizer and UBSan in build-asan/
# and runs them; any sanitizer report fails the check.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${ASAN_BUILD:-build-asan}
jobs=${JOBS:-$(nproc)}
start=$(date +%s)

# The regular build holds the warnings as errors; this one is for sanitizer reports.
# GCC's "undefined" leaves out float-to-integer overflow, which is undefined all the same.
flags="-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B "$build" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=g++ -DVELANTRA_WERROR=OFF -DVELANTRA_TESTS=ON -DVELANTRA_BENCH=OFF \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
  -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined,float-cast-overflow" >/dev/null

# Every report halts the program with a failing status; leaks are reported at exit.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:print_stacktrace=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# Leaks inside uninstrumented system libraries are suppressed by library, never in our code.
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen

# Only the test programs and what they link (the images tool runs at build time, sanitized
# too); the typeset documents and the program itself are left to the regular build. The
# folder's own Makefile builds its targets in parallel, where a list of --target would not.
make -C "$build/tests" -j "$jobs" --no-print-directory all

# Tests of the program and its documents (labelled whole_build) are left to the regular suite:
# this build makes only the test programs.
ctest --test-dir "$build" -LE '^whole_build$' --output-on-failure -j "$jobs"
echo "sanitizers: clean in $(($(date +%s) - start)) s"
