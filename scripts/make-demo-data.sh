#!/usr/bin/env bash
# Rebuilds the demo data from their readable UTF-8 sources with the companion tool: the fare
# data files data/demo/<route>.hy3 from data/demo/src/<route>.csv and the broadcast data
# data/demo/<route>tp.csv (Shift-JIS, CR LF, as the tape reads them) from
# data/demo/src/<route>tp.csv; then checks the folder.
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
  name=$(basename "$csv" .csv)
  case $name in
    *tp) "$tool" tp build "$csv" "$demo/$name.csv"; echo "$demo/$name.csv" ;;
    *) "$tool" hy3 build "$csv" "$demo/$name.hy3"; echo "$demo/$name.hy3" ;;
  esac
done
"$tool" check "$demo"
