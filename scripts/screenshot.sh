#!/usr/bin/env bash
# Starts the simulator under Xvfb, waits, and saves a screenshot of the whole screen.
#   scripts/screenshot.sh [build-dir] [out.png] [seconds] [-- extra program arguments]
set -euo pipefail
build_dir=$(cd "${1:-build}" && pwd)
out=$(realpath -m "${2:-shot.png}")
wait_s=${3:-4}
cd "$(dirname "$0")/../data/demo"
xvfb-run -a -s "-screen 0 1600x1000x24" bash -c "
  '$build_dir/731' &
  pid=\$!
  sleep $wait_s
  import -window root '$out'
  kill \$pid
" || true
echo "$out"
