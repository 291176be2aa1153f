#!/bin/sh
# Waits until the wineserver of the prefix $1 has ended, so that its registry is
# on disk. Under qemu's i386 emulation some of Wine's service processes may
# never exit; after a minute the server is told to end, which also writes the
# registry out.
WINEPREFIX="$1"
export WINEPREFIX
if ! timeout 60 wineserver --wait; then
  wineserver --kill
  timeout 30 wineserver --wait || true
fi
