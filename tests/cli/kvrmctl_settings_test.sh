#!/usr/bin/env bash
# kvrmctl's key and setting commands end to end against the simulated mouse:
# what they print, what they refuse, and the reports they send.
# Usage: kvrmctl_settings_test.sh PATH_TO_KVRMCTL
set -u
ctl=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export KVRM_DATA_DIR="$work/data"
failures=0

fail() {
  echo "FAIL $*"
  failures=$((failures + 1))
}
# run NAME EXPECTED_EXIT ARGS...: one run against the persistent simulated
# mouse of $variant, its reports in $work/log.
variant=4210C
run() {
  local name=$1 expected=$2
  shift 2
  rm -f "$work/log"
  "$ctl" --simulate="$variant" --sim-image "$work/$variant.bin" --sim-log "$work/log" "$@" \
    >"$work/out" 2>"$work/err"
  local code=$?
  if [ "$code" -ne "$expected" ]; then
    fail "$name: exit $code, expected $expected"
    sed 's/^/  | /' "$work/out" "$work/err"
  fi
}
contains() {  # contains NAME FILE TEXT
  grep -qF -- "$3" "$work/$2" && return
  fail "$1: $2 lacks \"$3\""
  head -20 "$work/$2" | sed 's/^/  | /'
}
lacks() {  # lacks NAME FILE TEXT
  ! grep -qF -- "$3" "$work/$2" || fail "$1: $2 has \"$3\""
}
# The writes of the last run: short writes (05) and block writes (07).
writes() { grep -E '^> 40 0[57] ' "$work/log"; }
writes_are() {  # writes_are NAME EXPECTED_LINES...
  local name=$1
  shift
  local expected
  expected=$(printf '%s\n' "$@")
  [ "$(writes)" = "$expected" ] && return
  fail "$name: writes differ"
  diff <(echo "$expected") <(writes) | sed 's/^/  | /'
}
no_writes() { [ -z "$(writes)" ] || { fail "$1: wrote"; writes | sed 's/^/  | /'; }; }

# The factory configuration 1 of the 4210C: Profile 1 slot 1 is the only Left Click.
run keys 0 keys
contains keys out "Profile 1 (active)"
contains keys out "   6  09010000  DPI +"
run keys-json 0 --json keys --profile 2
contains keys-json out '"name": "AKM Fire"'
lacks keys-json out '"profile": 1'
run keys-lang 0 keys --profile 1 --lang 2
contains keys-lang out "01010000  左键"
run keys-bad 2 keys --lang 4

# An assignment is one 147-byte block at 0xC0, the User read-back and the 0F nudge.
run assign-name 0 assign 2 4 DPI +
contains assign-name out "Profile 2 slot 4: 01020000 (Right Click) -> 09010000 (DPI +)"
writes_are assign-name "> 40 07 00 C0 00 93 00 00" \
  "> 40 05 00 A4 0F 00 00 01" "> 40 05 00 A4 00 00 00 01"
contains assign-name log "> 40 06 00 A4 00 1C 00 00"
run assign-combination 0 assign 3 10 "Ctrl+Shift+A"
contains assign-combination out "-> 02030400 (Ctrl+Shift+A)"
run assign-tag 0 assign 3 11 1000
contains assign-tag out "-> 05000000 (AIM Key)"
run assign-code 0 assign 3 12 0300E200
contains assign-code out "(Mute)"
run keys-after 0 keys --profile 3
contains keys-after out "  10  02030400  Ctrl+Shift+A"

# Profile 1 keeps its last Left Click; other profiles may give theirs to a menu
# item but not to a device macro.
run last-left-click 3 assign 1 1 "Key Off"
contains last-left-click err "only Left Click of Profile 1"
no_writes last-left-click
run second-left-click 0 assign 1 10 Key_Left
run first-left-click 0 assign 1 1 Backward
run macro-on-left-click 3 assign 2 1 10020000
no_writes macro-on-left-click
run profile2-left-click 0 assign 2 1 "Key Off"
run bad-function 2 assign 1 2 Frobnicate
contains bad-function err "no menu item, tag, key combination or 8-digit code"
run bad-slot 2 assign 1 13 A
contains bad-slot err "1..12"

# DPI: a value change is its pair's byte and the re-select of the active level.
run dpi 0 dpi
contains dpi out "DPI count: 4"
contains dpi out "Level 3: 2400"
run dpi-level 0 dpi level 3 800
writes_are dpi-level "> 40 05 00 2D 93 00 00 01" \
  "> 40 05 00 A6 00 00 00 01" "> 40 05 00 A6 01 00 00 01"
run dpi-level-unused 2 dpi level 5 800
contains dpi-level-unused err "1..4"
run dpi-value 2 dpi level 1 700
contains dpi-value err "200, 400"
no_writes dpi-value
run dpi-color 0 dpi color 2 0000FF
writes_are dpi-color "> 40 05 00 5A 00 00 FF 03"
run dpi-count 0 dpi count 5
writes_are dpi-count "> 40 05 00 2B 04 00 00 01"
run dpi-active 0 dpi active 5
writes_are dpi-active "> 40 05 00 A6 04 00 00 01"
run dpi-json 0 --json dpi
contains dpi-json out '"count": 5'
contains dpi-json out '"active_level": 5'
contains dpi-json out '"colour": "0000FF"'

# The aim DPI rewrites the aim key slots; without one nothing is written.
run aim 0 aim 2400
contains aim out "Profile 3 slot 11: 05000000 (AIM Key) -> 05080000 (AIM Key)"
run aim-bad 2 aim 2500
run assign-no-aim 0 assign 3 11 "Key Off"
run aim-none 3 aim 800
contains aim-none err "Please select a AIM Key"
no_writes aim-none

# Fire keys: the block and every slot of the key.
run firekey 0 firekey 1 --repeat 5 --interval 100 --continuous off
contains firekey out "Profile 3 slot 3: 0692003C (Fire Key1) -> 06140064 (Fire Key1)"
contains firekey log "> 40 07 01 E4 00 0C 00 00"
contains firekey log "> 41 FF FF 04 00 64 04 00"
run firekey-repeat 2 firekey 1 --repeat 16
contains firekey-repeat err "2..15"
run firekey-interval 2 firekey 1 --interval 4095
contains firekey-interval err "1..4094"

# Lighting of the MCU LED mouse: effect 1..7, no speed.
run light 0 light
contains light out "LED type: MCULED"
contains light out "Effect: 2 (Rainbow)"
run light-effect 0 light effect 5
writes_are light-effect "> 40 05 00 A5 85 00 00 01"
run light-color 0 light color 1 00FF00
writes_are light-color "> 40 05 00 39 00 FF 00 03"
run light-speed 2 light speed 3
contains light-speed err "no effect speed"
run light-color-bad 2 light color 11 00FF00

# Combo gestures, from the factory's LED-mode combo and long-press DPI Loop.
run combo 0 combo
contains combo out "Mode switch: 2 (hold DPI Loop)"
run combo-switch 0 combo switch 1
contains combo-switch out "Profile 1 slot 7: 01040000 (Middle Click) -> 01040008 (Middle Click)"
contains combo-switch out "Profile 2 slot 8: 09000008 (DPI Loop) -> 09000000 (DPI Loop)"
contains combo-switch log "> 40 05 00 81 00 00 0E 03"  # Combo Key 2 stays LED Mode
contains combo-switch log "> 40 07 00 C0 00 93 00 00"
run combo-after 0 --json combo
contains combo-after out '"mode_switch": 1'
contains combo-after out '"combo_key4": "07D1F018"'
run combo-led 0 combo led off
contains combo-led out "Combo Key 2: 0E000000 (LED Mode) -> 00000000 (Key Off)"
run combo-bad 2 combo switch 7
run combo-gun-none 0 combo switch 0
run combo-gun 3 combo gun on
contains combo-gun err "combo switch 1..6"

# A new gesture on the 4230C keeps its game-mode switch offset 20.
variant=4230C
run combo-4230 0 combo switch 3
lacks combo-4230 out "Combo Key 4"
run combo-4230-after 0 --json combo
contains combo-4230-after out '"mode_switch": 3'
contains combo-4230-after out '"combo_key4": "07D1F020"'
variant=4210C

# A rate change restarts the mouse; the same rate does not.
run rate-same 0 rate 1000
lacks rate-same out "restarted"
run rate 0 rate 500
contains rate out "restarted"
writes_are rate "> 40 05 00 04 AF 00 00 01"
run rate-bad 2 rate 300
run dump 0 --json dump
contains dump out '"vendor": "valid"'
contains dump out '"report_rate": 2'

if [ "$failures" -eq 0 ]; then
  echo "kvrmctl settings: all checks passed"
  exit 0
fi
echo "kvrmctl settings: $failures checks failed"
exit 1
