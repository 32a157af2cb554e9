#!/usr/bin/env bash
# Runs the real ovanta-solve on one case, a refusal, a usage error and a small batch from a file
# and from standard input, and compares what it writes and its exit status. Line ends may be
# CR LF (the Windows console program).
# Usage: smoke.sh PROGRAM [RUNNER ARGS...]   e.g. smoke.sh ovanta-solve.exe scripts/wine/run.sh DIR
set -uo pipefail
program=$(realpath "$1")
shift
runner=("$@")
if [ $# -gt 0 ] && [ -e "$1" ]; then runner[0]=$(realpath "$1"); fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
printf 'vo,angle,y0\r\n20,45,\r\n"2,5",45,\r\n20,0,19.62' >rows.csv
failures=0

# check LABEL ARGS... <<END  (standard output, "exit STATUS", first line of standard error)
check() {
  local label=$1 expected got
  shift
  expected=$(cat)
  got=$({ "${runner[@]}" "$program" "$@" <rows.csv 2>err.txt; echo "exit $?"; head -n 1 err.txt; } | tr -d '\r')
  if [ "$got" = "$expected" ]; then
    echo "ok   $label"
  else
    echo "FAIL $label"
    diff <(echo "$expected") <(echo "$got")
    failures=$((failures + 1))
  fi
}

check "one case and a point" vo=20 angle=45 --point v=15 <<'END'
vo 20.000
angle 45.000
vx 14.142
vy0 14.142
reach 40.775
height 10.194
t 2.883
point x 13.18 y 8.92 vy 5.00 v 15.00 t 0.93
point2 x 27.60 y 8.92 vy -5.00 v 15.00 t 1.95
exit 0
END
check "json" --json vo=20 angle=0 --y0 19.62 <<'END'
{"vo":20,"angle":0,"vx":20,"vy0":0,"reach":40,"height":19.62,"t":2,"y0":19.62}
exit 0
END
check "refused" vx=10 vy0=2 --y0 -5 <<'END'
exit 1
No solution: The path never comes down to the ground (y = 0)
END
check "usage error" vo=2,5 angle=45 <<'END'
exit 2
wrong value: to initial speed
END
batch='vo,angle,vx,vy0,reach,height,t,y0,error
20,45,14.142135623730951,14.142135623730951,40.774719673802245,10.193679918450561,2.8832080782326095,0,
,,,,,,,,wrong value: to initial speed
20,0,20,0,40,19.62,2,19.62,
exit 0'
check "batch from a file" --batch rows.csv <<<"$batch"
check "batch from standard input" --batch - <<<"$batch"
check "no such file" --batch missing.csv <<'END'
exit 2
cannot open missing.csv: No such file or directory
END
mkdir folder
check "a folder" --batch folder <<'END'
exit 2
cannot read folder: it is a folder
END

[ "$failures" -eq 0 ] || { echo "$failures failed"; exit 1; }
