#!/bin/bash
# Builds Dolvane and runs it or its tests. Installs what is missing from
# Debian's registry first (run as root on Debian 12); quick when all is there.
#
#   ./build.sh run     build the Windows program and start it (under Wine)
#   ./build.sh test    build native, Windows and sanitizer trees; run every test
#   ./build.sh bench   build and run the benchmarks
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  cmake ninja-build g++ googletest libbenchmark-dev
  clang libclang-rt-14-dev llvm
  g++-mingw-w64-i686-posix
  wine wine32:i386 wine32-preloader:i386
  xvfb xauth
  fonts-wine  # Marlett, for the buttons of the frame Wine draws without a window manager
  fonts-dejavu-core  # the font the Wine prefixes draw the window in
)

log() { printf '== %s\n' "$*" >&2; }

missing_packages() {
  local pkg
  for pkg in "$@"; do
    if [ "$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null)" != installed ]; then
      printf '%s\n' "$pkg"
    fi
  done
}

install_packages() {
  local missing
  missing=$(missing_packages "$@")
  [ -z "$missing" ] && return 0
  log "installing: $(echo $missing)"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  local from_release=()
  if ! apt-get update -qq; then
    # A mirror caught in the middle of a sync can fail one list, such as the
    # i386 list of security updates. Without it the i386 packages cannot match
    # the versions of their amd64 twins; the release's own lists keep the two
    # architectures in step.
    log "some package lists could not be fetched; installing from the release's own lists"
    from_release=(-t "$(. /etc/os-release && echo "$VERSION_CODENAME")")
  fi
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${from_release[@]}" $missing >/dev/null
}

# Wine for 32-bit programs is itself an i386 Linux program. Kernels built
# without 32-bit support refuse to start it; there it runs under qemu's i386
# user-mode emulation, registered with the kernel's binfmt_misc.
ensure_i386_execution() {
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    return 0
  fi
  log "this kernel cannot start i386 programs; registering qemu's i386 emulation"
  install_packages qemu-user-static
  if [ ! -e /proc/sys/fs/binfmt_misc/register ]; then
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  fi
  if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      > /proc/sys/fs/binfmt_misc/register
  fi
  /usr/lib/wine/wine --version >/dev/null
}

prepare() {
  install_packages "${packages[@]}"
  ensure_i386_execution
}

workflow() {
  log "preset $1"
  cmake --workflow --preset "$1"
}

case "${1:-}" in
  run)
    prepare
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target dolvane
    exec build/windows/run-dolvane.sh
    ;;
  test)
    prepare
    status=0
    for preset in native windows sanitize; do
      workflow "$preset" || status=1
    done
    exit $status
    ;;
  bench)
    prepare
    cmake --preset native >/dev/null
    cmake --build --preset native --target calcunit_bench
    exec build/native/bench/calcunit_bench
    ;;
  *)
    echo "usage: $0 run|test|bench" >&2
    exit 2
    ;;
esac
