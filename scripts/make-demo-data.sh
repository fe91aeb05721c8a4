#!/usr/bin/env bash
# Rebuilds the demo fare data files data/demo/<route>.hy3 from their readable sources
# data/demo/src/<route>.csv with the companion tool, then checks the folder.
#   scripts/make-demo-data.sh [path/to/731-tool]     (default: build/731-tool)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tool=${1:-$root/build/731-tool}
if [ ! -x "$tool" ]; then
  echo "$tool is missing; build it first: cmake --build build --target 731-tool" >&2
  exit 2
fi
demo=$root/data/demo
for csv in "$demo"/src/*.csv; do
  route=$(basename "$csv" .csv)
  "$tool" hy3 build "$csv" "$demo/$route.hy3"
  echo "$demo/$route.hy3"
done
"$tool" check "$demo"
