#!/usr/bin/env bash
# Builds the libFuzzer harnesses (clang, AddressSanitizer and UndefinedBehaviorSanitizer) and
# runs each for a while from its seed corpus. Any crash, leak, hang or sanitizer report fails.
# Usage: scripts/fuzz.sh [seconds per harness, default 20] [harness ...]
# FUZZ_RUNS=n stops each harness after n runs as well (the long run: FUZZ_RUNS=1000000 and
# 600 seconds). FUZZ_MERGE=1 then adds the new inputs that raise coverage to fuzz/corpus/
# (libFuzzer -merge=1 on edges alone, not on how often each is taken: only inputs that reach
# code no kept input reaches, which keeps the corpus to a few hundred files).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
runs=${FUZZ_RUNS:--1}
shift || true
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] || harnesses=(rtf_reader search corpus_loader interface_texts settings
                                         topics fingerprint companion)
scripts/setup.sh fuzz
cmake --build --preset fuzz --target "${harnesses[@]/#/fuzz_}"

# New inputs go to a scratch folder, so the committed seeds stay as they are.
work=$(mktemp -d "${TMPDIR:-/tmp}/lumra-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=()
for h in "${harnesses[@]}"; do
  mkdir -p "$work/$h"
  echo "== fuzz_$h for ${seconds}s"
  if ! build-fuzz/fuzz/fuzz_"$h" "$work/$h" "fuzz/corpus/$h" -max_total_time="$seconds" -runs="$runs" \
      -timeout=10 -rss_limit_mb=4096 -artifact_prefix="$work/$h-" -print_final_stats=1 \
      > "$work/$h.log" 2>&1; then
    failed+=("$h")
    tail -n 60 "$work/$h.log"
    mkdir -p build-fuzz/findings
    cp "$work/$h"-* build-fuzz/findings/ 2> /dev/null || true
  fi
  tr '\r' '\n' < "$work/$h.log" | grep -E "^#[0-9]+.*DONE" | tail -n 1
  if [ "${FUZZ_MERGE:-0}" = 1 ]; then
    build-fuzz/fuzz/fuzz_"$h" -merge=1 -use_counters=0 "fuzz/corpus/$h" "$work/$h" \
      > "$work/$h-merge.log" 2>&1 ||
      failed+=("$h (merge)")
    grep -E "MERGE-OUTER: [0-9]+ new files" "$work/$h-merge.log" || true
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found faults in: ${failed[*]} (inputs kept in build-fuzz/findings/)"
  exit 1
fi
echo "Fuzzing found nothing."
