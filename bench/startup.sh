#!/bin/sh
# Start-up to the first painted panel, beside a bare Qt window of the same size, in one run.
#
#   bench/startup.sh [build-dir] [runs]
#
# Needs an X server in DISPLAY (for example Xvfb with openbox). Both programs are started with
# HARUNE_EXIT_AFTER_FIRST_PAINT set, so each ends right after its first paint and the process's
# wall time is start to first picture, dynamic linking included; hyperfine times the processes
# (an in-process benchmark could not see the loader). Both are timed in one hyperfine call, and
# the medians and their ratio are printed.
set -eu
# A session bus as a desktop has one: without it every start would spawn dbus-launch.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
  exec dbus-run-session -- "$0" "$@"
fi
build=${1:-build}
runs=${2:-30}
: "${DISPLAY:?needs an X server in DISPLAY}"
json=$(mktemp)
home=$(mktemp -d)
trap 'rm -rf "$json" "$home"' EXIT
# A fresh home: no settings file of the user's, no voice settings; the demo folders stay empty.
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home"
export HARUNE_EXIT_AFTER_FIRST_PAINT=1 QT_QPA_PLATFORM=xcb
hyperfine -N --warmup 3 --runs "$runs" --export-json "$json" \
  -n bare "$build/bench/bare_window" -n program "$build/731"
python3 - "$json" <<'PY'
import json, statistics, sys
results = {r["command"]: r["times"] for r in json.load(open(sys.argv[1]))["results"]}
bare = statistics.median(results["bare"]) * 1000
program = statistics.median(results["program"]) * 1000
print(f"median bare window {bare:.1f} ms, program {program:.1f} ms, ratio {program / bare:.2f}")
PY
