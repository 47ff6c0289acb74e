#!/usr/bin/env bash
# Builds the benchmarks (default preset) and prints the integration files'
# times and their ratios against the goals. Arguments go to the benchmark
# program: --million adds a database of 1,000,000 tags; Google Benchmark's own
# flags (--benchmark_filter=...) work too.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake --preset default >/dev/null
cmake --build build/default -j2 --target integration_files_bench
build/default/bin/integration_files_bench --benchmark_color=false "$@"
