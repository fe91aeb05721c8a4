#!/usr/bin/env bash
# The program as a user meets it on a desktop: under Xvfb with the openbox window manager, driven
# with xdotool. What only a window manager shows: exact window titles, a fare cell's double-click
# (a window manager that took the pointer at the press would swallow it), dragging the panel, the
# console's frame flush in the bottom-right corner and the preview growing leftwards, and SIGTERM
# ending the program with its settings saved.
#
#   desktop_run.sh PROGRAM TOOL DEMO_DATA_FOLDER
#
# Exits 77 (skipped) when Xvfb, openbox, xdotool or xwininfo are missing.
set -uo pipefail

program=$1
tool=$2
demo=$3

for needed in Xvfb openbox xdotool xwininfo; do
  if ! command -v "$needed" >/dev/null 2>&1; then
    echo "SKIP: $needed is not installed"
    exit 77
  fi
done

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null
  done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  if [ -n "${DISPLAY:-}" ]; then
    xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 && echo "  display $DISPLAY answers" || echo "  display $DISPLAY does not answer"
    ls -l /tmp/.X11-unix/ /tmp/.X*-lock 2>&1 | sed 's/^/  sockets: /'
  fi
  local log
  for log in program xvfb openbox; do
    [ -s "$work/$log.log" ] && sed "s/^/  $log: /" "$work/$log.log"
  done
  exit 1
}

note() { echo "ok: $*"; }

# Polls a command until it succeeds; fails the run after `seconds`. A check may leave what it
# saw last in `seen`, for the message.
seen=
wait_for() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  seen=
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || fail "$what (waited ${seconds}s${seen:+; saw $seen})"
    sleep 0.1
  done
}

# --- a display of our own and a window manager on it ---
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for 30 "Xvfb gives its display number" test -s "$work/display"
export DISPLAY=:$(head -n1 "$work/display")
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
export SDL_AUDIODRIVER=dummy
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_for 30 "openbox manages the display" xprop -root _NET_SUPPORTING_WM_CHECK

# --- the program, from a copy so that its settings file lands here ---
cp "$program" "$work/731"
(cd "$demo" && exec "$work/731") >"$work/program.log" 2>&1 &
program_pid=$!
pids+=($program_pid)

# The first window whose name matches; fails when there is none.
find_window() {
  local ids
  ids=$(xdotool search --name "$1" 2>/dev/null) && [ -n "$ids" ] || return 1
  echo "${ids%%$'\n'*}"
}
wait_for 60 "the console appears" find_window '^集中操作盤$'
console=$(find_window '^集中操作盤$')
wait_for 30 "the panel appears" find_window '^ハルネケーション'
panel=$(find_window '^ハルネケーション')

# --- titles are exactly the windows' own (the name the window manager shows, not only the
# legacy one that a search also matches) ---
has_title() {
  local shown
  shown=$(xdotool getwindowname "$1")
  [ "$shown" = "$2" ] || fail "the title is \"$2\", not \"$shown\""
  note "title \"$2\""
}
has_title "$console" "集中操作盤"
has_title "$panel" "ハルネケーション - 型番:731"

# --- the console's frame, not only its client area, flush in the bottom-right corner ---
# The frame: the window openbox put the console in, the console's parent.
frame_right_bottom() { # prints "right bottom width" of the console's frame
  local f x y w h
  f=$(xwininfo -tree -id "$console" | awk '/Parent window id/ {print $4}')
  read -r x y w h < <(xwininfo -id "$f" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
  echo "$((x + w)) $((y + h)) $w"
}
frame_flush() {
  read -r r b w < <(frame_right_bottom)
  seen="frame right $r, bottom $b, width $w"
  [ "$r" = 1600 ] && [ "$b" = 1000 ] && [ "${1:-0}" -lt "$w" ]
}
wait_for 30 "the console's frame sits flush in the bottom-right corner" frame_flush 0
note "the console's frame is flush in the bottom-right corner"

# --- a double-click on fare cell 1 opens its settings dialog; Escape cancels it ---
read -r px py < <(xwininfo -id "$panel" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
opened=no
for attempt in 1 2 3; do
  xdotool mousemove $((px + 76)) $((py + 166)) click --repeat 2 --delay 60 1
  for _ in $(seq 50); do
    if [ -n "$(find_window '^デジタル数字の設定$')" ]; then opened=yes; break 2; fi
    sleep 0.1
  done
done
[ $opened = yes ] || fail "a double-click on a fare cell opens \"デジタル数字の設定\""
dialog=$(find_window '^デジタル数字の設定$')
has_title "$dialog" "デジタル数字の設定"
wait_for 10 "the cell dialog takes the keyboard" sh -c "[ \"\$(xdotool getactivewindow)\" = $dialog ]"
xdotool key Escape
wait_for 10 "Escape closes the cell dialog" sh -c "[ -z \"\$(xdotool search --name '^デジタル数字の設定\$')\" ]"
note "a double-click on a fare cell opens its settings dialog"

# --- dragging the panel's face moves it ---
xdotool mousemove $((px + 300)) $((py + 290)) mousedown 1
for step in 1 2 3 4 5 6 7 8; do
  xdotool mousemove $((px + 300 + step * 15)) $((py + 290 + step * 8))
  sleep 0.05
done
xdotool mouseup 1
panel_moved() {
  read -r nx ny < <(xwininfo -id "$panel" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
  seen="panel at $nx,$ny"
  [ $((nx - px)) -ge 50 ] && [ $((ny - py)) -ge 25 ]
}
wait_for 10 "dragging the panel moves it" panel_moved
note "dragging the panel moves it"

# --- ">>" opens the preview: the wider console grows leftwards and stays flush ---
xdotool mousemove --window "$console" 168 160 click 1
wait_for 10 "the wider console stays flush in the corner" frame_flush 500
note "the preview grows leftwards"

# --- the options dialog carries its own title ---
xdotool mousemove --window "$console" 274 160 click 1
wait_for 20 "the options dialog appears as \"オプション\"" find_window '^オプション$'
options=$(find_window '^オプション$')
has_title "$options" "オプション"
wait_for 10 "the options dialog takes the keyboard" sh -c "[ \"\$(xdotool getactivewindow)\" = $options ]"
xdotool key Escape
wait_for 10 "Escape closes the options dialog" sh -c "! xwininfo -id $options | grep -q IsViewable"

# --- SIGTERM ends the program as a confirmed close: exit 0, settings written ---
kill -TERM "$program_pid"
status=
for _ in $(seq 150); do
  if ! kill -0 "$program_pid" 2>/dev/null; then
    wait "$program_pid"
    status=$?
    break
  fi
  sleep 0.1
done
[ -n "$status" ] || fail "the program ends on SIGTERM"
[ "$status" = 0 ] || fail "exit status after SIGTERM: $status"
[ -f "$work/731.in4" ] || fail "the settings file is written on SIGTERM"
dump=$("$tool" settings dump "$work/731.in4") || fail "the settings file reads back"
grep -q '"PreviewOpen": 1' <<<"$dump" || fail "the open preview is saved: $dump"
grep -q '"PanelLeft": 0,' <<<"$dump" && fail "the panel's new place is saved: $dump"
note "SIGTERM ends the program with status 0 and the settings saved"

echo "PASS"
exit 0
