#!/bin/sh
# exe-check.sh PROGRAM OBJDUMP STRIP
# The program file is small and self-contained: stripped it takes at most
# 1 MiB, and it imports from Windows's own system DLLs only.
set -eu
program=$1 objdump=$2 strip=$3
stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
"$strip" -o "$stripped" "$program"
size=$(stat -c %s "$stripped")
echo "stripped size: $size bytes"
status=0
if [ "$size" -gt 1048576 ]; then
  echo "FAIL: larger than 1 MiB" >&2
  status=1
fi
dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
echo "imports:" $dlls
for dll in $dlls; do
  case "$dll" in
    kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | ole32.dll | oleaut32.dll | advapi32.dll | \
      shell32.dll | comdlg32.dll | uxtheme.dll | msvcrt.dll | ntdll.dll | imm32.dll | version.dll | \
      shlwapi.dll | winmm.dll | ws2_32.dll | api-ms-win-*.dll) ;;
    *)
      echo "FAIL: imports $dll, which Windows does not ship" >&2
      status=1
      ;;
  esac
done
exit $status
