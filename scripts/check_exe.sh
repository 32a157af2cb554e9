#!/usr/bin/env bash
# Checks that each program that goes into the packages imports only the four DLLs every Windows
# process has at hand (the C++ runtime is linked in; the file dialogs, the shell and COM are
# loaded on first use), is stripped of debugging sections, and is a GUI program (ovanta-solve.exe:
# a console program); prints its size.  Usage: check_exe.sh EXE...
set -euo pipefail
allowed='^(KERNEL32|USER32|GDI32|msvcrt)\.dll$'
status=0
for exe in "$@"; do
  dump=$(x86_64-w64-mingw32-objdump -p "$exe")
  dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$dump")
  bad=$(grep -v -i -E "$allowed" <<<"$dlls" || true)
  subsystem=$(sed -n 's/^Subsystem\s*//p' <<<"$dump")
  debug=$(x86_64-w64-mingw32-objdump -h "$exe" | awk '$2 ~ /^\.z?debug/ {print $2}' | xargs)
  echo "$exe: $(stat -c %s "$exe") bytes, subsystem $subsystem, DLLs: $(tr '\n' ' ' <<<"$dlls")"
  if [ -n "$bad" ]; then echo "  imports DLLs it should load on first use: $bad" >&2; status=1; fi
  if [ -n "$debug" ]; then echo "  not stripped: $debug" >&2; status=1; fi
  case "$(basename "$exe")" in ovanta-solve.exe) kind="(Windows CUI)" ;; *) kind="(Windows GUI)" ;; esac
  case "$subsystem" in *"$kind"*) ;; *) echo "  not a $kind program" >&2; status=1 ;; esac
done
exit $status
