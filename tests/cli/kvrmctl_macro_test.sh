#!/usr/bin/env bash
# kvrmctl's macro and fire commands end to end: the PC library without a mouse,
# then the simulated mouse, whose memory persists in an image file between runs.
# Usage: kvrmctl_macro_test.sh PATH_TO_KVRMCTL
set -u
ctl=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export KVRM_DATA_DIR="$work/data"
library="$work/data/KVRM4210C-Macro.bin"
failures=0

fail() {
  echo "FAIL $*"
  failures=$((failures + 1))
}
# lib NAME EXPECTED_EXIT ARGS...: a run without any mouse; standard input is
# $work/in.
lib() {
  local name=$1 expected=$2
  shift 2
  "$ctl" "$@" <"$work/in" >"$work/out" 2>"$work/err"
  local code=$?
  if [ "$code" -ne "$expected" ]; then
    fail "$name: exit $code, expected $expected"
    sed 's/^/  | /' "$work/out" "$work/err"
  fi
}
# run NAME EXPECTED_EXIT ARGS...: a run against the simulated mouse of
# $variant, its reports in $work/log.
variant=4210C
run() {
  local name=$1 expected=$2
  shift 2
  rm -f "$work/log"
  lib "$name" "$expected" --simulate="$variant" --sim-image "$work/$variant.bin" \
    --sim-log "$work/log" "$@"
}
contains() {  # contains NAME FILE TEXT
  grep -qF -- "$3" "$work/$2" && return
  fail "$1: $2 lacks \"$3\""
  head -20 "$work/$2" | sed 's/^/  | /'
}
same() {  # same NAME FILE FILE: the run changed nothing
  cmp -s "$2" "$3" || fail "$1: $2 changed"
}
# The writes of the last run: short writes (05), block writes (07) and the
# short read (06) that follows a profile write.
writes() { grep -E '^> 40 0[5-7] ' "$work/log"; }
expect_writes() {  # expect_writes NAME LINE...: exactly these writes, in order
  local name=$1
  shift
  printf '%s\n' "$@" >"$work/expected"
  writes >"$work/actual"
  if ! cmp -s "$work/expected" "$work/actual"; then
    fail "$name: writes differ"
    diff "$work/expected" "$work/actual" | sed 's/^/  | /'
  fi
}
bytes_at() {  # bytes_at FILE OFFSET COUNT: hex bytes, upper case, blank-separated
  od -An -tx1 -v -j "$2" -N "$3" "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//' | tr a-f A-F
}
input() { printf '%s\n' "$@" >"$work/in"; }
: >"$work/in"

# --- The PC library needs no mouse --------------------------------------
lib list-empty 0 macro list --library
contains list-empty out "Macro List (0 of 100 macros"
[ "$(stat -c %s "$library")" -eq 27200 ] || fail "list-empty: no 27200-byte library file"
lib new 0 macro new Run
contains new out 'Created macro "Run" as item 1'
[ "$(bytes_at "$library" 16 5)" = "FD 00 FC 00 00" ] || fail "new: not until released"
lib new-duplicate 3 macro new Run
contains new-duplicate err "This macro already exists"
lib new-long 3 macro new NineChars
contains new-long err "at most 8 characters"

input "1 A CODE:8204" "0 50" "" "  2 A CODE:0204  " "3 04fb0a"
lib edit 0 macro edit Run
contains edit out "Stored 4 events in macro \"Run\": 14 bytes, stop: until released"
[ "$(bytes_at "$library" 16 14)" = "FD 00 82 04 FE 00 32 02 04 04 FB 0A FC 00" ] ||
  fail "edit: bytes $(bytes_at "$library" 16 14)"
: >"$work/in"
lib show 0 macro show Run
contains show out "recorded delay"
contains show out "50 ms"
contains show out "X: -5  Y: 10"
lib show-lines 0 macro show Run --lines
printf '%s\n' "1 A CODE:8204" "0 50" "2 A CODE:0204" "3 04FB0A" >"$work/expected"
cmp -s "$work/expected" "$work/out" || fail "show-lines: $(cat "$work/out")"

cp "$library" "$work/before"
for line in "0 050" "0 0" "1 A CODE:0204" "1 A CODE:9004" "1 Ctrl CODE:8103" "7 FD0A" "A"; do
  input "1 A CODE:8204" "$line"
  lib "edit-refused $line" 2 macro edit Run --stop 3
  contains "edit-refused $line" err "line 2"
  same "edit-refused $line" "$work/before" "$library"
done
for i in $(seq 90); do echo "0 20"; done >"$work/in"
lib edit-too-long 3 macro edit Run
contains edit-too-long err "at most 256"
same edit-too-long "$work/before" "$library"

input "1 LeftKey CODE:00A1" "2 LeftKey CODE:0021"
lib edit-cycles 0 macro edit Run --stop 3
contains edit-cycles out "stop: 3 cycles (was until released)"
[ "$(bytes_at "$library" 16 6)" = "FD 03 A1 21 FC 00" ] || fail "edit-cycles: bytes"
lib edit-keeps 0 macro edit Run
contains edit-keeps out "stop: 3 cycles, no delay"
lib edit-none 0 macro edit Run --stop none
[ "$(bytes_at "$library" 16 3)" = "A1 21 00" ] || fail "edit-none: bytes"
lib edit-bad-stop 2 macro edit Run --stop 255
: >"$work/in"

lib rename-same 3 macro rename Run Run
contains rename-same err "This macro already exists"
lib rename 0 macro rename Run Walk
contains rename out 'Renamed macro "Run" to "Walk"'
lib export 0 macro export Walk "$work/one"
[ "$(stat -c %s "$work/one.bin")" -eq 272 ] || fail "export: no 272-byte one.bin"
lib delete 0 macro delete Walk
contains delete out "0 macros left"
lib import 0 macro import "$work/one.bin"
contains import out 'Imported macro "Walk"'
lib import-again 3 macro import "$work/one.bin"
contains import-again err "This macro already exists"
lib export-all 0 macro export-all "$work/all"
[ "$(stat -c %s "$work/all.bin")" -eq 27200 ] || fail "export-all: size"
cp "$library" "$work/before"
lib import-all-short 3 macro import-all "$work/one.bin"
same import-all-short "$work/before" "$library"
lib import-all 0 macro import-all "$work/all.bin"
contains import-all out "(1 macro) by"
lib unknown 3 macro show Nobody
contains unknown err 'no macro "Nobody"'
lib list-without-mouse 1 macro list
contains list-without-mouse out "1  Walk"

# --- Macros in the mouse -------------------------------------------------
lib new-jump 0 macro new Jump
input "1 Shift CODE:8102" "0 300" "2 Shift CODE:0102"
lib edit-jump 0 macro edit Jump
: >"$work/in"

run add 0 macro add Walk
contains add out "address 0200, 19 bytes, code 10020000"
expect_writes add "> 40 07 01 F0 01 00 00 00" "> 40 07 02 F0 01 00 00 00"
cp "$work/4210C.bin" "$work/before"
run add-again 3 macro add Walk
contains add-again err "This macro already exists"
same add-again "$work/before" "$work/4210C.bin"
run add-jump 0 macro add Jump
contains add-jump out "address 0213, 27 bytes, code 10021300"
contains add-jump out "holds 46 of 512 bytes"

run bind 0 macro bind 2 4 Walk
contains bind out "Profile 2 slot 4: 01020000 (Right Click) -> 10020000 (Walk)"
expect_writes bind "> 40 07 00 C0 00 93 00 00" "> 40 06 00 A4 00 1C 00 00" \
  "> 40 05 00 A4 0F 00 00 01" "> 40 05 00 A4 00 00 00 01"
run bind-jump 0 macro bind 3 5 Jump
cp "$work/4210C.bin" "$work/before"
run bind-left-click 3 macro bind 1 1 Walk
contains bind-left-click err "only Left Click of Profile 1"
same bind-left-click "$work/before" "$work/4210C.bin"
run bind-unknown 3 macro bind 1 2 Nobody
contains bind-unknown err 'the mouse holds no macro "Nobody"'

run show-mouse 0 macro show Jump --mouse
contains show-mouse out "address 0213"
contains show-mouse out "300 ms"
run export-mouse 0 macro export-mouse "$work/area"
dd if="$work/4210C.bin" of="$work/expected" bs=1 skip=496 count=512 2>/dev/null
cmp -s "$work/expected" "$work/area.bin" || fail "export-mouse: not the macro area"

run remove 0 macro remove Walk
contains remove out '1 macro left, 27 of 512 bytes'
contains remove out 'Macro "Jump": address 0213 -> 0200'
contains remove out "Profile 2 slot 4: 10020000 (Walk) -> 00000000"
contains remove out "Profile 3 slot 5: 10021300 (Jump) -> 10020000 (Jump)"
expect_writes remove "> 40 07 00 C0 00 93 00 00" "> 40 06 00 A4 00 1C 00 00" \
  "> 40 05 00 A4 0F 00 00 01" "> 40 05 00 A4 00 00 00 01" \
  "> 40 07 01 F0 01 00 00 00" "> 40 07 02 F0 01 00 00 00"
run list 0 macro list
contains list out "Storage in Mouse (1 of 15 macros, 27 of 512 bytes)"

# Two macros of 250 bytes do not fit the 512-byte macro area together.
for big in Big1 Big2; do
  lib "new-$big" 0 macro new "$big"
  for i in $(seq 82); do echo "0 10"; done >"$work/in"
  lib "edit-$big" 0 macro edit "$big"
  : >"$work/in"
done
run add-big1 0 macro add Big1
cp "$work/4210C.bin" "$work/before"
run add-big2 3 macro add Big2
contains add-big2 err "Macro bin length out of range"
same add-big2 "$work/before" "$work/4210C.bin"
[ -z "$(writes)" ] || fail "add-big2: wrote to the mouse"

# The mouse keeps at most 15 macros.
variant=4230C
for n in $(seq 16); do lib "new-M$n" 0 macro new "M$n"; done
for n in $(seq 15); do run "add-M$n" 0 macro add "M$n"; done
run add-M16 3 macro add M16
contains add-M16 err "15 macros"

# --- Fire macros and gun presets -----------------------------------------
variant=4210C
run fire 0 fire
contains fire out "Fire records (4210C, 24 bytes each)"
contains fire out "7  7.62 Fire"
run fire-adjust 0 fire set 1 1 --y-adjust 10
contains fire-adjust out "Y adjustment: 0 -> 10"
run fire-set 0 fire set 1 1 --count 5 --y 120 --time 50
contains fire-set out "fire count: 0 -> 5"
contains fire-set out "Y step: 3 -> 117 (asked 120"
contains fire-set out "shoot time: 40 -> 50"
expect_writes fire-set "> 40 07 07 10 00 F0 00 00"
[ "$(bytes_at "$work/4210C.bin" 1808 12)" = "A1 FE 00 01 FD 05 04 00 75 FE 00 32" ] ||
  fail "fire-set: record 0 reads $(bytes_at "$work/4210C.bin" 1808 12)"
run fire-segment 2 fire set 6 3 --y 1
run fire-range 2 fire set 1 1 --count 256
run fire-nothing 2 fire set 1 1

run fire-bind 0 fire bind 6 7 --keep-left
contains fire-bind out "Profile 2 slot 6: 09010000 (DPI +) -> 0B1703"
writes | tail -6 >"$work/actual"
printf '%s\n' "> 40 07 07 10 00 F0 00 00" "> 40 07 00 C0 00 93 00 00" "> 40 07 01 E4 00 0C 00 00" \
  "> 40 06 00 A4 00 1C 00 00" "> 40 05 00 A4 0F 00 00 01" "> 40 05 00 A4 00 00 00 01" \
  >"$work/expected"
cmp -s "$work/expected" "$work/actual" || fail "fire-bind: last writes $(cat "$work/actual")"
contains fire-bind log "> 40 05 00 39 FF 00 00 03"
variant=4230C
run fire-4230 0 fire set 1 1 --y 7
expect_writes fire-4230 "> 40 07 06 00 02 00 00 00"

if [ "$failures" -eq 0 ]; then
  echo "kvrmctl macro: all checks passed"
  exit 0
fi
echo "kvrmctl macro: $failures checks failed"
exit 1
