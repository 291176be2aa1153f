#!/bin/sh
# wine-session.sh start PREFIX CHECK... | stop PREFIX
# Brings up the Wine session of one prefix before the first test that runs in
# it and keeps it until the last: server, services and desktop start once,
# detached from the test runner's output, instead of again whenever the tests
# leave the server idle for a moment. CHECK is a command that runs a program in
# the prefix. Every program of a session waits for the session's start-up to
# finish, so a start-up that crashes or hangs (as cold starts under emulation
# sometimes do) would stall every test: such a start is retried on a new server,
# and a session left behind by an earlier run is ended first.
set -u
prefix=$2
export WINEPREFIX="$prefix"
case "$1" in
  start)
    shift 2
    for attempt in 1 2 3; do
      wineserver -k 2>/dev/null
      wineserver -p </dev/null >/dev/null 2>&1
      if timeout 180 "$@" </dev/null >/dev/null 2>&1; then
        echo "Wine session ready (attempt $attempt)"
        exit 0
      fi
      echo "Wine session start failed (attempt $attempt)" >&2
    done
    wineserver -k 2>/dev/null
    exit 1
    ;;
  stop)
    wineserver -k 2>/dev/null
    exit 0
    ;;
esac
echo "usage: $0 start PREFIX CHECK... | stop PREFIX" >&2
exit 2
