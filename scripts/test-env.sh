#!/usr/bin/env bash
# Runs a command inside a private test desktop:
#   - Xvfb 1920x1080x24 on a free display number, with the xcompmgr compositor, the
#     openbox window manager and a trayer panel holding the tray, as users have;
#   - a private PulseAudio daemon with a null sink "vsink" (default output, norewinds=1)
#     and a remap source "vmic" of its monitor as the default input;
#   - a temporary HOME and XDG folders, so no test touches the user's settings or Movies.
# Everything started here is stopped by process id when the command ends, also on failure.
#
#   scripts/test-env.sh COMMAND [ARGS...]
# Set VISTRELLE_TEST_ENV_KEEP=1 to keep the temporary folder for inspection.
# VISTRELLE_TEST_SCREEN=WxH gives the screen another size (3840x2160: a screen a user runs at scale 2).
# VISTRELLE_TEST_MONITORS="WxH+X+Y,WxH+X+Y" declares two or more RandR monitors on the one X screen
# (xrandr --setmonitor), the first one primary; the screen is then their bounding box unless
# VISTRELLE_TEST_SCREEN says otherwise. Without it the screen is one monitor.
# VISTRELLE_TEST_WM=0 leaves out the window manager and the tray panel (a bare X server with
# the compositor). Tests that need no compositor start an X server of their own.
set -uo pipefail

if [[ $# -eq 0 ]]; then
  echo "usage: $0 COMMAND [ARGS...]" >&2
  exit 2
fi

tmp=$(mktemp -d /tmp/vistrelle-test-env.XXXXXX)
pids=()

cleanup() {
  local pid
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${pids[@]}"; do
    for _ in $(seq 1 30); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
  done
  if [[ -z "${VISTRELLE_TEST_ENV_KEEP:-}" ]]; then
    rm -rf "$tmp"
  else
    echo "test-env: kept $tmp" >&2
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Private home and XDG folders.
export HOME="$tmp/home"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache"
export XDG_STATE_HOME="$HOME/.local/state"
export XDG_RUNTIME_DIR="$tmp/runtime"
# A private temporary folder too: the program's single-instance lock lives there, so a
# Vistrelle the developer is running never makes a test's instance refuse to start.
export TMPDIR="$tmp/tmp"
mkdir -p "$TMPDIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME" \
         "$HOME/Movies" "$HOME/Videos" "$HOME/Pictures" "$HOME/Documents"
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"

# Monitors to declare: each "WxH+X+Y"; the screen defaults to their bounding box.
monitors=()
if [[ -n "${VISTRELLE_TEST_MONITORS:-}" ]]; then
  IFS=',' read -r -a monitors <<<"$VISTRELLE_TEST_MONITORS"
  right=0
  bottom=0
  for m in "${monitors[@]}"; do
    if [[ ! "$m" =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]]; then
      echo "test-env: VISTRELLE_TEST_MONITORS: \"$m\" is not WxH+X+Y" >&2
      exit 2
    fi
    (( BASH_REMATCH[1] + BASH_REMATCH[3] > right )) && right=$(( BASH_REMATCH[1] + BASH_REMATCH[3] ))
    (( BASH_REMATCH[2] + BASH_REMATCH[4] > bottom )) && bottom=$(( BASH_REMATCH[2] + BASH_REMATCH[4] ))
  done
  : "${VISTRELLE_TEST_SCREEN:=${right}x${bottom}}"
fi

# X server on a free display: Xvfb picks the number itself and writes it to fd 3.
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 "${VISTRELLE_TEST_SCREEN:-1920x1080}x24" -nolisten tcp -noreset >"$tmp/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 1 100); do
  [[ -s "$tmp/display" ]] && break
  sleep 0.1
done
if [[ ! -s "$tmp/display" ]]; then
  echo "test-env: Xvfb did not start:" >&2
  cat "$tmp/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$tmp/display")"
unset WAYLAND_DISPLAY
export XDG_SESSION_TYPE=x11

# RandR 1.5 monitors on the one screen (Qt's xcb plugin makes a QScreen of each, and the
# server's Xinerama answers with them for the window manager). The first is primary and
# owns the screen's output, so no automatic monitor covers the whole screen. They last
# because the server never resets (-noreset).
if [[ ${#monitors[@]} -gt 0 ]]; then
  if ! command -v xrandr >/dev/null; then
    echo "test-env: VISTRELLE_TEST_MONITORS needs xrandr (package x11-xserver-utils)" >&2
    exit 1
  fi
  output=$(xrandr --query | awk '/ connected/ { print $1; exit }')
  i=0
  for m in "${monitors[@]}"; do
    [[ "$m" =~ ^([0-9]+)x([0-9]+)\+([0-9]+\+[0-9]+)$ ]]
    w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} at=${BASH_REMATCH[3]}
    name="VM$((i + 1))" outputs=none
    [[ $i -eq 0 ]] && name="*$name" outputs=$output
    # Physical sizes at 96 dpi.
    if ! xrandr --setmonitor "$name" "$w/$(( w * 254 / 960 ))x$h/$(( h * 254 / 960 ))+$at" "$outputs" \
        >>"$tmp/xrandr.log" 2>&1; then
      echo "test-env: xrandr --setmonitor $name $m failed:" >&2
      cat "$tmp/xrandr.log" >&2
      exit 1
    fi
    i=$((i + 1))
  done
  export VISTRELLE_TEST_MONITORS
fi

# A compositing manager: without one, translucent windows turn screen grabs black.
xcompmgr >"$tmp/xcompmgr.log" 2>&1 &
pids+=($!)

# A window manager and a panel with a tray, as users run: windows are framed, placed and
# focused by openbox, and tray icons and notices have a host.
# Tests read VISTRELLE_TEST_WM to know which desktop they run in.
if [[ "${VISTRELLE_TEST_WM:-1}" != 0 ]]; then
  export VISTRELLE_TEST_WM=1
  openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
  trayer --edge top --align right --widthtype pixel --width 64 --heighttype pixel --height 28 \
    --SetDockType true --SetPartialStrut true --transparent false --tint 0x303030 \
    >"$tmp/trayer.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 1 100); do
    xdotool search --class trayer >/dev/null 2>&1 && break
    sleep 0.1
  done
fi

# Private PulseAudio daemon.
export PULSE_STATE_PATH="$tmp/pulse-state"
export PULSE_RUNTIME_PATH="$XDG_RUNTIME_DIR/pulse"
mkdir -p -m 0700 "$PULSE_STATE_PATH" "$PULSE_RUNTIME_PATH"
cat >"$tmp/pulse.pa" <<PA
load-module module-native-protocol-unix auth-anonymous=1 socket=$PULSE_RUNTIME_PATH/native
load-module module-null-sink sink_name=vsink rate=48000 channels=2 norewinds=1
set-default-sink vsink
load-module module-remap-source master=vsink.monitor source_name=vmic
set-default-source vmic
PA
export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"
pulseaudio -n -F "$tmp/pulse.pa" --daemonize=no --exit-idle-time=-1 --disallow-exit \
  --use-pid-file=no --log-target=file:"$tmp/pulse.log" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
  echo "test-env: PulseAudio did not start:" >&2
  cat "$tmp/pulse.log" >&2 || true
  exit 1
fi
export VISTRELLE_TEST_ENV=1

echo "test-env: DISPLAY=$DISPLAY PULSE_SERVER=$PULSE_SERVER HOME=$HOME" >&2
"$@"
exit $?
