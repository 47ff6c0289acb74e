#!/usr/bin/env bash
# The Windows builds and their test: the 32-bit plug-in (preset windows), then the 64-bit build of
# the same sources with the stand-in host and the test program (preset wine), whose test runs under
# wine64 in a virtual X server. Prints how long each stage took.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh

stage() {
  local name="$1" start=$SECONDS
  shift
  "$@"
  echo "windows: $name took $((SECONDS - start)) s"
}

stage "configure windows" cmake --preset windows >/dev/null
stage "build windows" cmake --build --preset windows
stage "configure wine" cmake --preset wine >/dev/null
stage "build wine" cmake --build --preset wine
stage "Wine test" ctest --preset wine
