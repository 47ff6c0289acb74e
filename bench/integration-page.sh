#!/usr/bin/env bash
# Builds the integration page's benchmark (default preset) and prints its four ratios on a
# generated project of 100,000 tags: opening the page against LoadTagsDatabase, OK against
# SaveTagsDatabase, SaveTagsDatabase and UTF-8 decoding against a bare parse of the same text.
# Arguments go to the benchmark program: --tags N for another size; Google Benchmark's own flags
# (--benchmark_min_time=2) work too.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
[ -f build/default/CMakeCache.txt ] || cmake --preset default >/dev/null
nice -n 10 cmake --build build/default -j2 --target integration_page_bench
nice -n 10 build/default/bin/integration_page_bench --benchmark_color=false "$@"
