#!/bin/sh
# make-wineprefix.sh RUNNER PREFIX
# Creates the Wine prefix PREFIX with the runner script RUNNER (which sets
# WINEPREFIX itself). Under qemu's i386 emulation Wine's first start now and then
# hangs or crashes, so each attempt is bounded and a failed one is retried on a
# clean directory.
runner="$1"
prefix="$2"
here="$(dirname "$0")"
for attempt in 1 2 3; do
  rm -rf "$prefix"
  if timeout 300 "$runner" wineboot --init && "$here/wineserver-settle.sh" "$prefix" \
      && [ -s "$prefix/system.reg" ]; then
    exit 0
  fi
  echo "make-wineprefix: attempt $attempt failed" >&2
  WINEPREFIX="$prefix" wineserver --kill 2>/dev/null
  sleep 2
done
exit 1
