#!/usr/bin/env bash
# Rebuilds the demo broadcast data data/demo/<route>tp.csv from their readable UTF-8 sources
# data/demo/src/<route>tp.csv: the same lines in the Japanese code page (CP932), each ended by
# CR LF as the files are written where they come from.
#   scripts/make-demo-broadcast.sh
# The texts are only spoken, never shown; stop names the dictionary misreads get their reading
# from readings.txt beside them (東町 ヒガシマチ, 新川橋 シンカワバシ).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
demo=$root/data/demo
for src in "$demo"/src/*tp.csv; do
  out=$demo/$(basename "$src")
  sed 's/\r$//; s/$/\r/' "$src" | iconv -f UTF-8 -t CP932 > "$out.tmp"
  mv "$out.tmp" "$out"
  echo "$out"
done
