#!/usr/bin/env bash
# Builds the fuzz targets with clang 16 (clang 14 lacks what this system's C++ library
# needs for std::source_location) with AddressSanitizer, UndefinedBehaviorSanitizer and
# libFuzzer in build/fuzz and runs each, one after the other, for RUNS executions
# (default 10000000) or SECONDS (default 3600, 0 for no limit), whichever ends first,
# starting from the seed corpus in fuzz/corpus/<target>. TARGETS (default: all) names
# some of them. Fails on the first crash; the input that caused it is left in
# build/fuzz/crash-*.
# FUZZ_WORKERS=N shares each target's runs among N processes on one corpus, one per core;
# their output then goes to build/fuzz/logs/<target>-<worker>.log.
#   [FUZZ_WORKERS=N] fuzz/run.sh [RUNS [SECONDS [TARGET...]]]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-10000000}"
seconds="${2:-3600}"
workers="${FUZZ_WORKERS:-1}"
[[ "$workers" =~ ^[1-9][0-9]*$ ]] || { echo "fuzz: FUZZ_WORKERS must be a whole number above 0, not '$workers'" >&2; exit 2; }
shift $(( $# < 2 ? $# : 2 ))
all=(fuzz_decode_text fuzz_parse_tags_database fuzz_read_script fuzz_read_resources fuzz_read_settings
  fuzz_open_project_database)
if (($#)); then targets=("$@"); else targets=("${all[@]}"); fi
scripts/bootstrap.sh
build=build/fuzz
# The JSON library's internal stacks start as null pointers and add offsets to
# them before their first allocation, which clang's pointer-overflow check
# reports; every other check stays on.
flags="-O1 -g -fsanitize=address,undefined,fuzzer-no-link -fno-sanitize=pointer-overflow"
flags+=" -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE= \
  -DCMAKE_C_COMPILER=clang-16 -DCMAKE_CXX_COMPILER=clang++-16 \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j2 --target "${targets[@]}"
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target"
  echo "fuzz: $target for $runs runs or ${seconds}s"
  fuzzer=("$build/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384
    -print_final_stats=1 -artifact_prefix="$build/" "$build/corpus/$target" "fuzz/corpus/$target")
  if ((workers == 1)); then
    "${fuzzer[@]}" -runs="$runs"
    continue
  fi
  mkdir -p "$build/logs"
  pids=()
  for ((w = 1; w <= workers; w++)); do
    # The first worker also takes what the division leaves.
    share=$((runs / workers + (w == 1 ? runs % workers : 0)))
    (exec "${fuzzer[@]}" -runs="$share") >"$build/logs/$target-$w.log" 2>&1 &
    pids+=($!)
  done
  # A crash in one worker stops the others: the target has failed.
  failed=0
  for ((w = 1; w <= workers; w++)); do
    if ! wait "${pids[w - 1]}"; then
      failed=1
      kill "${pids[@]}" 2>/dev/null || true
    fi
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)|ERROR|SUMMARY' "$build/logs/$target-$w.log" |
      sed "s/^/fuzz: $target worker $w: /" || true
  done
  ((failed == 0)) || { echo "fuzz: $target failed; see $build/logs/$target-*.log" >&2; exit 1; }
done
