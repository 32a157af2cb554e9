#!/usr/bin/env bash
# With no language remembered, Ovanta.exe starts in the display language of Windows, which Wine
# takes from the locale of the process: Catalan, Spanish of any country, English for any other.
# A remembered value that is no language (7, or text) counts as none.
# Usage: display_language.sh WINE_DIR BUILD_DIR
set -euo pipefail
wine_dir=$1 build=$2
# shellcheck disable=SC1091
. "$wine_dir/env"
"$WINE64" reg delete 'HKCU\Software\Ovanta' /f >/dev/null 2>&1 || true
status=0
check() {  # LOCALE EXPECTED: the Exit button's text when started in that locale
  LC_ALL=$1 "$WINE64" "$build/Ovanta.exe" &
  exit_text=$("$WINE64" "$build/ovanta_drive.exe" print:2 close | tr -d '\r')
  wait
  echo "$1: Exit reads \"$exit_text\""
  [ "$exit_text" = "$2" ] || { echo "FAIL: expected \"$2\"" >&2; status=1; }
}
check ca_ES.UTF-8 Surt
check es_MX.UTF-8 Salir
check es_ES.UTF-8 Salir
check de_DE.UTF-8 Exit
"$WINE64" reg add 'HKCU\Software\Ovanta' /v Language /t REG_DWORD /d 7 /f >/dev/null
check es_ES.UTF-8 Salir
"$WINE64" reg add 'HKCU\Software\Ovanta' /v Language /t REG_SZ /d 0 /f >/dev/null
check de_DE.UTF-8 Exit
"$WINE64" reg add 'HKCU\Software\Ovanta' /v Language /t REG_DWORD /d 0 /f >/dev/null
check de_DE.UTF-8 Surt
"$WINE64" reg delete 'HKCU\Software\Ovanta' /f >/dev/null 2>&1 || true
exit $status
