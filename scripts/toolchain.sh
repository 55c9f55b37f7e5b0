# The versioned tool names every script uses, chosen here once (sourced, not run).
# clang 19 is in Debian 12 and 13 alike; on another release the newest clang it offers is
# taken. VELANTRA_LLVM=<n> chooses another. Output of clang-format and findings of
# clang-tidy differ between versions, so the tree is kept clean under the version chosen here.
if [ -z "${VELANTRA_LLVM:-}" ]; then
  for v in 19 20 18 17 16 15 14; do
    if command -v "clang-$v" >/dev/null ||
      [ -n "$(apt-cache show --no-all-versions "clang-$v" 2>/dev/null | head -1)" ]; then
      VELANTRA_LLVM=$v
      break
    fi
  done
fi
VELANTRA_LLVM=${VELANTRA_LLVM:-19}
CLANG=clang-$VELANTRA_LLVM
CLANGXX=clang++-$VELANTRA_LLVM
CLANG_TIDY=clang-tidy-$VELANTRA_LLVM
CLANG_FORMAT=clang-format-$VELANTRA_LLVM
# The Debian packages holding them; libclang-rt holds the fuzzing and sanitizer runtimes.
LLVM_PACKAGES=("clang-$VELANTRA_LLVM" "libclang-rt-$VELANTRA_LLVM-dev" "clang-tidy-$VELANTRA_LLVM"
  "clang-format-$VELANTRA_LLVM")

# need_tool COMMAND PACKAGE: stops the check with the package to install when COMMAND is missing,
# rather than reporting every file as failing.
need_tool() {
  command -v "$1" >/dev/null || { echo "$1 not found: install the Debian package $2" >&2; exit 1; }
}
