#!/usr/bin/env bash
# The running program driven by another program: started headless on a private session bus
# (dbus-run-session), it is driven through `731-tool send` alone. What it shows is read back with
# `send state` and `send panel`; a refused call exits 1 with the program's message and changes
# nothing; with no program (or no bus) `send` exits 2.
#
#   remote_run.sh PROGRAM TOOL DEMO_DATA_FOLDER
#
# Exits 77 (skipped) when dbus-run-session or python3 is missing.
set -uo pipefail

program=$1
tool=$2

for needed in dbus-run-session python3; do
  if ! command -v "$needed" >/dev/null 2>&1; then
    echo "SKIP: $needed is not installed"
    exit 77
  fi
done

fail() {
  echo "FAIL: $*"
  [ -f "${work:-}/program.log" ] && sed 's/^/  program: /' "$work/program.log"
  exit 1
}
note() { echo "ok: $*"; }

# --- outside any bus: the tool finds no program ---
if [ "${REMOTE_RUN_ON_BUS:-}" != 1 ]; then
  empty=$(mktemp -d)
  env -u DBUS_SESSION_BUS_ADDRESS -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$empty" \
    "$tool" send state >/dev/null 2>"$empty/err"
  status=$?
  [ "$status" = 2 ] || fail "without a session bus send exits 2, not $status: $(cat "$empty/err")"
  rm -rf "$empty"
  note "without a session bus send exits 2"
  REMOTE_RUN_ON_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# Route 1: three stops with short names (nothing scrolls), fares for tickets 1 and 2.
mkdir "$work/fares"
printf 'name,ticket,f1,f2\n東町,1,0,0\n西町,2,170,0\n南町,3,200,170\n' >"$work/fares/1.csv"
"$tool" hy3 build "$work/fares/1.csv" "$work/fares/1.hy3" || fail "the fare data is built"

# send ARGS...: runs the tool, its status in $status, its output in $out and $err.
send() {
  "$tool" send "$@" >"$work/out" 2>"$work/err"
  status=$?
  out=$(cat "$work/out")
  err=$(cat "$work/err")
}
expect_sent() { # ARGS...: send succeeds
  send "$@"
  [ "$status" = 0 ] || fail "send $* exits 0, not $status: $err"
}
# field NAME: a field of the last `send state`, as JSON.
field() { python3 -c 'import json, sys; print(json.dumps(json.loads(sys.argv[1])[sys.argv[2]], ensure_ascii=False))' "$out" "$1"; }
expect_state() { # NAME JSON...: fields of the state
  expect_sent state
  while [ $# -gt 0 ]; do
    [ "$(field "$1")" = "$2" ] || fail "state $1 is $2, not $(field "$1"): $out"
    shift 2
  done
}

# --- no program on the bus yet ---
send step
[ "$status" = 2 ] || fail "with no program running send exits 2, not $status: $err"
note "with no program running send exits 2"

# --- the program, from a copy so that its settings file lands here, in the fare folder ---
cp "$program" "$work/731"
(cd "$work/fares" && exec "$work/731") >"$work/program.log" 2>&1 &
program_pid=$!
for _ in $(seq 300); do
  send state
  [ "$status" = 0 ] && break
  kill -0 "$program_pid" 2>/dev/null || fail "the program is running"
  sleep 0.1
done
[ "$status" = 0 ] || fail "the program answers on the session bus: $err"
expect_state route '""' stop 0
note "the program answers on the session bus"

# --- a route driven by send alone ---
expect_sent route 1 1
expect_state route '"1"' section 1 stop 1 stopName '"東町"'
expect_sent step
expect_sent step
expect_state stop 3 stopName '"南町"'
expect_sent back
expect_state stop 2 stopName '"西町"' lateNight false
[ "$(field fares | python3 -c 'import json, sys; print(json.load(sys.stdin)[:2])')" = "[170, 0]" ] \
  || fail "stop 2 shows 170 for ticket 1: $out"
expect_sent late-night on
expect_sent step
expect_state stop 3 lateNight true
[ "$(field fares | python3 -c 'import json, sys; print(json.load(sys.stdin)[:2])')" = "[400, 340]" ] \
  || fail "stop 3 shows the doubled late-night fares: $out"
note "route, step, back and late night drive the console"

# --- the panel it shows is the panel the program draws for that stop ---
expect_sent panel "$work/shown.png"
if command -v compare >/dev/null 2>&1; then
  "$tool" render --fare-dir "$work/fares" --route 1 --stop 3 --late-night --out "$work/expected.png" \
    || fail "the expected panel is rendered"
  differing=$(compare -metric AE "$work/shown.png" "$work/expected.png" null: 2>&1)
  [ "$differing" = 0 ] || fail "the grabbed panel differs from the rendered one in $differing pixels"
  note "the grabbed panel is the panel of stop 3 at late-night fare"
else
  [ -s "$work/shown.png" ] || fail "the panel is saved"
  note "the panel is saved (no ImageMagick to compare it)"
fi

# --- a step past the last stop and a route without data are refused with the program's message
# and change nothing ---
expect_sent state
before=$out
send step
[ "$status" = 1 ] || fail "a step past the last stop exits 1, not $status"
grep -q '最後の停留所です' <<<"$err" || fail "the refusal carries the program's message: $err"
send route 9 1
[ "$status" = 1 ] || fail "a route without data exits 1, not $status"
grep -q '指定した系統のデータがありません' <<<"$err" || fail "the refused route carries the program's message: $err"
# Its message box now stands in front of the console, which takes no clicks, nor calls.
send step
[ "$status" = 1 ] || fail "a step while the message box is open exits 1, not $status"
grep -q '「ハルネVer4」が開いているため「データ送り」を使えません' <<<"$err" || fail "the step says why: $err"
expect_sent state
[ "$out" = "$before" ] || fail "refused calls change nothing: $before -> $out"
note "refused calls exit 1 with the program's message"

# --- the program gone, send finds nobody ---
kill -TERM "$program_pid"
wait "$program_pid"
program_pid=
send state
[ "$status" = 2 ] || fail "after the program ended send exits 2, not $status: $err"
note "after the program ended send exits 2"

echo "PASS"
exit 0
