#!/usr/bin/env bash
# Builds the benchmarks (default preset) and prints the integration files'
# times and their ratios against the goals, twice: with the heap as the
# machine gives it, and with the heap on transparent huge pages. On virtual
# machines whose page faults are slow, the first run measures mostly page
# faults (every freshly touched 4 KiB page); the second measures the code.
# Arguments go to the benchmark program: --million adds a database of
# 1,000,000 tags; Google Benchmark's own flags (--benchmark_filter=...) work too.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake --preset default >/dev/null
cmake --build build/default -j2 --target integration_files_bench
echo "== heap on 4 KiB pages"
build/default/bin/integration_files_bench --benchmark_color=false "$@"
echo "== heap on transparent huge pages (GLIBC_TUNABLES=glibc.malloc.hugetlb=1)"
GLIBC_TUNABLES=glibc.malloc.hugetlb=1 build/default/bin/integration_files_bench --benchmark_color=false "$@"
