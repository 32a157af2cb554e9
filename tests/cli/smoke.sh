#!/usr/bin/env bash
# Runs the real ovanta-solve on one case, a refusal, a usage error and a small batch from a file
# and from standard input, and compares what it writes and its exit status. Line ends may be
# CR LF (the Windows console program). Names and messages outside ASCII are UTF-8 both ways.
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
cp rows.csv данные.csv
# A Ctrl-Z inside a row: a text-mode standard input would end there and drop the later rows.
printf 'vo,angle\r\n20,4\x1a5\r\n20,0\r\n' >ctrlz.csv
failures=0

# check LABEL ARGS... <<END  (standard output, "exit STATUS", first line of standard error);
# standard input is the file $input, or a pipe from it when $pipe is set.
input=rows.csv
pipe=
check() {
  local label=$1 expected got
  shift
  expected=$(cat)
  if [ -n "$pipe" ]; then
    got=$({ cat "$input" | "${runner[@]}" "$program" "$@" 2>err.txt; echo "exit $?"; head -n 1 err.txt; } | tr -d '\r')
  else
    got=$({ "${runner[@]}" "$program" "$@" <"$input" 2>err.txt; echo "exit $?"; head -n 1 err.txt; } | tr -d '\r')
  fi
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
check "a file named in Cyrillic" --batch данные.csv <<<"$batch"
check "no such file, named in Cyrillic" --batch нет.csv <<'END'
exit 2
cannot open нет.csv: No such file or directory
END
check "an argument echoed in UTF-8" ω=3 angle=45 <<'END'
exit 2
unknown name: ω (names: vo angle vx vy0 reach height t)
END
check "a refusal in UTF-8" vo=20 angle=100 <<'END'
exit 1
* Errors in the data *: Range of l'angle: -90... 90 º
END
ctrlz='vo,angle,vx,vy0,reach,height,t,y0,error
,,,,,,,,wrong value: to angle
20,0,20,0,0,0,0,0,
exit 0'
input=ctrlz.csv
check "a Ctrl-Z inside a row, from a file" --batch ctrlz.csv <<<"$ctrlz"
check "a Ctrl-Z inside a row, from standard input" --batch - <<<"$ctrlz"
pipe=1
check "a Ctrl-Z inside a row, through a pipe" --batch - <<<"$ctrlz"

[ "$failures" -eq 0 ] || { echo "$failures failed"; exit 1; }
