#!/bin/sh
# wine-exec.sh ARGS...
# Runs `wine ARGS...` and passes on its output, error output and exit code.
# A program that finds the session processes of its prefix (services.exe and
# the like) gone starts them again, and they inherit that program's output and
# hold it open for as long as they run. Under qemu's emulation they crash now
# and then, so a test runner that reads a test's output through a pipe would
# wait for the end of the session rather than of the test, until its time
# limit. Wine therefore writes into files, which are shown when it ends.
out=$(mktemp) || exit 1
err=$(mktemp) || { rm -f "$out"; exit 1; }
trap 'rm -f "$out" "$err"' EXIT
# Wine runs in the background, with this script's input, so that a signal to
# this script (from `timeout`, say) is passed on to it at once.
exec 3<&0
wine "$@" <&3 3<&- >"$out" 2>"$err" &
wine=$!
exec 3<&-
trap 'kill -TERM "$wine" 2>/dev/null' HUP INT TERM
while :; do
  wait "$wine"
  status=$?
  kill -0 "$wine" 2>/dev/null || break
done
cat "$out"
cat "$err" >&2
exit $status
