#!/bin/sh
# xvfb.sh start STATE_DIR | stop STATE_DIR [WINEPREFIX...]
# Starts a private X server (Xvfb) on a free display for the end-to-end tests
# and records its display number and process id in STATE_DIR; stop ends that
# same server again, after the Wine sessions of the prefixes named, so that
# none of their programs loses its display on the way out.
set -eu
state=$2
case "$1" in
  start)
    mkdir -p "$state"
    "$0" stop "$state"
    # -displayfd: the server picks a free display and writes its number to fd 3.
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
      3>"$state/display.new" </dev/null >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/pid"
    i=0
    until [ -s "$state/display.new" ]; do
      i=$((i + 1))
      if [ $i -gt 300 ] || ! kill -0 "$(cat "$state/pid")" 2>/dev/null; then
        echo "Xvfb did not start:" >&2
        cat "$state/xvfb.log" >&2
        exit 1
      fi
      sleep 0.1
    done
    mv "$state/display.new" "$state/display"
    echo "Xvfb on :$(cat "$state/display")"
    ;;
  stop)
    if [ -f "$state/pid" ]; then
      shift 2
      for prefix in "$@"; do
        "$(dirname "$0")/../../cmake/wineserver-settle.sh" "$prefix" >/dev/null 2>&1 || true
      done
      pid=$(cat "$state/pid")
      if tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q '^Xvfb '; then
        kill "$pid"
      fi
      rm -f "$state/pid"
    fi
    rm -f "$state/display" "$state/display.new"
    ;;
  *)
    echo "usage: $0 start STATE_DIR | stop STATE_DIR [WINEPREFIX...]" >&2
    exit 2
    ;;
esac
