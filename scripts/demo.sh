#!/usr/bin/env bash
# The main job: a demo tag's property sheet through the plug-in, bootstrapping and building the
# default preset as needed.
#   In a terminal: the person at it works the sheet of Level on the user's demo project;
#     scripts/demo.sh [TAG] [TAGPROPS OPTIONS...] opens another tag, e.g. scripts/demo.sh Alarm --lang de-DE.
#   Without one: the scripted user changes the demo tag Temperature's parameters on a fresh demo
#     project, and what the host stored is shown.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
[ -f build/default/CMakeCache.txt ] || cmake --preset default >/dev/null
cmake --build --preset default --target tagprops
bin=build/default/bin
if [ -t 0 ]; then
  tag=Level
  if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
    tag="$1"
    shift
  fi
  exec "$bin/tagprops" "$@" sheet "$tag"
fi
project=build/default/demo-project
# A fresh demo project each run: the script checks the values the demo starts with.
rm -rf "$project"
"$bin/tagprops" init "$project"
"$bin/tagprops" --project "$project" --verbose --script tests/dialogs/scripts/temperature-parameters.txt sheet Temperature
"$bin/tagprops" --project "$project" show Temperature
