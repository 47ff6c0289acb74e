#!/usr/bin/env bash
# The main job on the built-in demo project: bootstraps and builds as needed, then has the
# scripted user change the demo tag Temperature's parameters through the plug-in's property
# sheet, and shows what the host stored.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake --preset default >/dev/null
cmake --build --preset default --target tagprops
bin=build/default/bin
project=build/default/demo-project
# A fresh demo project each run: the script checks the values the demo starts with.
rm -rf "$project"
"$bin/tagprops" init "$project"
"$bin/tagprops" --project "$project" --verbose --script tests/dialogs/scripts/temperature-parameters.txt sheet Temperature
"$bin/tagprops" --project "$project" show Temperature
