#!/usr/bin/env bash
# With no language remembered, Ovanta.exe starts in the display language of Windows, which Wine
# takes from the locale of the process: Catalan, Spanish of any country, English for any other.
# Usage: display_language.sh WINE_DIR BUILD_DIR
set -euo pipefail
wine_dir=$1 build=$2
# shellcheck disable=SC1091
. "$wine_dir/env"
"$WINE64" reg delete 'HKCU\Software\Ovanta' /f >/dev/null 2>&1 || true
status=0
for case in ca_ES.UTF-8:Surt es_MX.UTF-8:Salir es_ES.UTF-8:Salir de_DE.UTF-8:Exit; do
  locale=${case%%:*} expected=${case#*:}
  LC_ALL=$locale "$WINE64" "$build/Ovanta.exe" &
  exit_text=$("$WINE64" "$build/ovanta_drive.exe" print:2 close | tr -d '\r')
  wait
  echo "$locale: Exit reads \"$exit_text\""
  [ "$exit_text" = "$expected" ] || { echo "FAIL: expected \"$expected\"" >&2; status=1; }
done
exit $status
