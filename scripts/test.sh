#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test twice: in a plain build tree, and in
# a second tree built with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/setup.sh"

jobs=$(nproc)

# The formatting stays applied: every C++ source as .clang-format wants it (the tracked files,
# or every file outside the build trees where the checkout is no git work tree).
(
    cd "$root"
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -z '*.cpp' '*.hpp'
    else
        find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.hpp' \) -print0
    fi | xargs -0 clang-format --dry-run -Werror
)

configure_and_build "$root/build"
ctest --test-dir "$root/build" --output-on-failure --parallel "$jobs"
"$root/build/bin/vantorui-demo" --headless >/dev/null

configure_and_build "$root/build-sanitize" -DVANTOR_SANITIZE=ON -DVANTOR_BENCH=OFF
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# What the font library keeps for the process is not a leak of ours (see lsan.supp).
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp"
ctest --test-dir "$root/build-sanitize" --output-on-failure --parallel "$jobs"
"$root/build-sanitize/bin/vantorui-demo" --headless >/dev/null
echo "All tests passed in both trees."
