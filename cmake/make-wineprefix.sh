#!/bin/sh
# make-wineprefix.sh RUNNER PREFIX
# Creates the Wine prefix PREFIX with the runner script RUNNER (which sets
# WINEPREFIX itself). Under qemu's i386 emulation Wine's first start now and then
# hangs or crashes, so each attempt is bounded and a failed one is retried on a
# clean directory.
runner="$1"
prefix="$2"
here="$(dirname "$0")"

# The window's font is Windows' message font, whose face Wine names "MS Shell
# Dlg" and maps to Tahoma. Debian's Wine finds no font of that name and falls
# back on the first sans-serif font of the host that it knows: Liberation Sans
# where that is installed, which, depending on the packages, shows the
# subscript digits as boxes or the results without bold. Tahoma is replaced by
# DejaVu Sans instead, so that the window looks the same on every host.
pin_font() {
  timeout 120 "$runner" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Tahoma /t REG_SZ /d 'DejaVu Sans' /f \
    >/dev/null
}

# A frame that Wine draws itself, on an X server without a window manager such
# as the private one of the tests and of `build.sh run` without a display, has
# its buttons drawn in Marlett. Debian's Wine does not look for fonts where its
# fonts package puts them, so without a copy in the prefix the buttons show
# the letters "0", "1" and "r" in whatever font the host offers instead.
add_marlett() {
  cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
}

for attempt in 1 2 3; do
  rm -rf "$prefix"
  if timeout 300 "$runner" wineboot --init && pin_font && add_marlett && "$here/wineserver-settle.sh" "$prefix" \
      && [ -s "$prefix/system.reg" ]; then
    exit 0
  fi
  echo "make-wineprefix: attempt $attempt failed" >&2
  WINEPREFIX="$prefix" wineserver --kill 2>/dev/null
  sleep 2
done
exit 1
