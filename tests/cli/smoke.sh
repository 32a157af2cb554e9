#!/usr/bin/env bash
# Runs the real ovanta-solve program on one case, a refused case, a usage error, a small batch
# from a file and from standard input, and a file that does not exist, and compares what it
# writes and its exit status. Line ends may be CR LF (the Windows console program).
# Usage: smoke.sh PROGRAM [RUNNER ARGS...]   e.g. smoke.sh ovanta-solve.exe scripts/wine/run.sh DIR
set -uo pipefail
program=$(realpath "$1")
shift
runner=("$@")
if [ $# -gt 0 ] && [ -e "$1" ]; then runner[0]=$(realpath "$1"); fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0

# expect LABEL STATUS STDOUT STDERR-FIRST-LINE -- ARGS...  (standard input from $stdin_file)
stdin_file=/dev/null
expect() {
  local label=$1 status=$2 out=$3 err=$4
  shift 5
  "${runner[@]}" "$program" "$@" <"$stdin_file" >out.txt 2>err.txt
  local got=$?
  local got_out got_err
  got_out=$(tr -d '\r' <out.txt)
  got_err=$(tr -d '\r' <err.txt | head -n 1)
  if [ "$got" != "$status" ] || [ "$got_out" != "$out" ] || [ "$got_err" != "$err" ]; then
    echo "FAIL $label: status $got (expected $status)"
    diff <(printf '%s\n' "$out") <(printf '%s\n' "$got_out") | sed 's/^/  stdout /'
    [ "$got_err" != "$err" ] && echo "  stderr: $got_err (expected: $err)"
    failures=$((failures + 1))
  else
    echo "ok   $label"
  fi
}

expect "one case" 0 "vo 20.000
angle 45.000
vx 14.142
vy0 14.142
reach 40.775
height 10.194
t 2.883
point x 13.18 y 8.92 vy 5.00 v 15.00 t 0.93
point2 x 27.60 y 8.92 vy -5.00 v 15.00 t 1.95" "" -- vo=20 angle=45 --point v=15

expect "json" 0 '{"vo":20,"angle":0,"vx":20,"vy0":0,"reach":40,"height":19.62,"t":2,"y0":19.62}' "" \
  -- --json vo=20 angle=0 --y0 19.62

expect "refused" 1 "" "No solution: The path never comes down to the ground (y = 0)" -- vx=10 vy0=2 --y0 -5

expect "usage error" 2 "" "wrong value: to initial speed" -- vo=2,5 angle=45

printf 'vo,angle,y0\r\n20,45,\r\n"2,5",45,\r\n20,0,19.62' >rows.csv
batch_out="vo,angle,vx,vy0,reach,height,t,y0,error
20,45,14.142135623730951,14.142135623730951,40.774719673802245,10.193679918450561,2.8832080782326095,0,
,,,,,,,,wrong value: to initial speed
20,0,20,0,40,19.62,2,19.62,"
expect "batch from a file" 0 "$batch_out" "" -- --batch rows.csv
stdin_file=rows.csv
expect "batch from standard input" 0 "$batch_out" "" -- --batch -
stdin_file=/dev/null

expect "no such file" 2 "" "cannot open missing.csv: No such file or directory" -- --batch missing.csv

if [ "$failures" -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
