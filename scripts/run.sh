#!/usr/bin/env bash
# Starts the simulator from the demo data folder, so that the default (empty) fare data folder
# finds the demo routes.
set -euo pipefail
build_dir=$(cd "${1:-build}" && pwd)
cd "$(dirname "$0")/../data/demo"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "There is no display to show the simulator on."
  echo "Run it under a virtual one instead:"
  echo "  xvfb-run -a -s \"-screen 0 1600x1000x24\" make run"
  exit 1
fi
exec "$build_dir/731"
