#!/usr/bin/env bash
# Runs each libFuzzer target of the linux-asan build for a bounded time, starting from its seed
# corpus in fuzz/corpus/<target>/, and fails on any finding: a crash, a failed check, a sanitizer
# report, a leak, an input that runs past the time-out or the memory limit. What a run finds
# and the inputs it adds stay in build/linux-asan/fuzz-runs/; the seed corpora in the repository
# are not touched.
#
# Usage: scripts/fuzz.sh [TARGET...]   (default: all)
# VANTREL_FUZZ_SECONDS: how long each target runs (default 70).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
build=build/linux-asan
seconds=${VANTREL_FUZZ_SECONDS:-70}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(code_page_fuzzer split_text_fuzzer regexp_object_fuzzer
                                     match_position_fuzzer)

cmake --preset linux-asan >/dev/null
cmake --build "$build" -j2 --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_SYMBOLIZER_PATH=$(command -v llvm-symbolizer-14 || command -v llvm-symbolizer)

status=0
for target in "${targets[@]}"; do
  out=$root/$build/fuzz-runs/$target
  rm -rf "$out/corpus" "$out/findings"
  mkdir -p "$out/corpus" "$out/findings"
  echo "== $target: ${seconds} s"
  # New inputs go to the first corpus folder, the run's own. A single input may take 10 s (the
  # RegExp object's match limit stops a search long before that) and 2 GB.
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=4096 -print_final_stats=1 -artifact_prefix="$out/findings/" \
      "$out/corpus" "fuzz/corpus/$target" >"$out/log.txt" 2>&1; then
    status=1
    echo "FAIL: $target found a fault; the input is in $out/findings/:"
    ls "$out/findings"
    grep -E -A40 '^==[0-9]+==ERROR|runtime error|deadly signal|ALARM|out-of-memory' "$out/log.txt" | head -80
  fi
  grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "$out/log.txt" | tail -2 || true
done
exit $status
