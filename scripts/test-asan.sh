#!/usr/bin/env bash
# The test suites again under AddressSanitizer and UndefinedBehaviorSanitizer, with leak
# checking; the suppressions cover only leaks inside fontconfig's own start-up.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh asan
cmake --build --preset asan --target core_tests ui_tests
# Qt is built without frame pointers, so the fast unwinder stops at the first Qt frame and a
# leak inside Qt reads like one of ours; the full unwinder gives whole allocation stacks.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1:fast_unwind_on_malloc=0:malloc_context_size=40"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --preset asan
