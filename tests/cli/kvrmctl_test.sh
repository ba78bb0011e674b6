#!/usr/bin/env bash
# kvrmctl end to end against the simulated mouse: exit codes, output and the
# simulator's image and log files. Usage: kvrmctl_test.sh PATH_TO_KVRMCTL
set -u
ctl=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export KVRM_DATA_DIR="$work/data"
failures=0

check() {  # check NAME EXPECTED_EXIT COMMAND...
  local name=$1 expected=$2
  shift 2
  "$@" >"$work/out" 2>"$work/err"
  local code=$?
  if [ "$code" -ne "$expected" ]; then
    echo "FAIL $name: exit $code, expected $expected"
    sed 's/^/  | /' "$work/out" "$work/err"
    failures=$((failures + 1))
  fi
}
contains() {  # contains NAME FILE TEXT
  if ! grep -qF -- "$3" "$work/$2"; then
    echo "FAIL $1: $2 lacks \"$3\""
    sed 's/^/  | /' "$work/$2"
    failures=$((failures + 1))
  fi
}

check help 0 "$ctl" --help
contains help out "read FILE"
check command-help 0 "$ctl" read --help
contains command-help out "Usage: kvrmctl read FILE"
check no-command 2 "$ctl"
check unknown-command 2 "$ctl" --simulate frobnicate
contains unknown-command err "unknown command"
check bad-variant 2 "$ctl" --simulate=4220C info
check read-needs-file 2 "$ctl" --simulate read

check info 0 "$ctl" --simulate info
contains info out "4210C"
check info-4230 0 "$ctl" --simulate=4230C --json info
contains info-4230 out '"variant": "4230C"'
check list 0 "$ctl" --simulate list
contains list out "7A5C:08B8"

check read 0 "$ctl" --simulate --sim-log "$work/log" read "$work/image.bin"
[ "$(stat -c %s "$work/image.bin")" -eq 2048 ] || { echo "FAIL read: size"; failures=$((failures + 1)); }
contains read log "> 40 09 00 00 08 00 00 00"
contains read log "< 41 7A 5C 08 B8"

# The simulated mouse keeps its memory between runs through --sim-image.
check write 0 "$ctl" --simulate --sim-image "$work/sim.bin" write 0x38 10
contains write out "Wrote 1 byte at 0x38"
check dump 0 "$ctl" --simulate --sim-image "$work/sim.bin" --json dump
contains dump out '"step_delay": 16'
contains dump out '"vendor": "valid"'
check write-range 2 "$ctl" --simulate write 300 01
check write-bytes 2 "$ctl" --simulate write 0x38 0102030405

check save 0 "$ctl" --simulate --sim-image "$work/sim.bin" save "$work/profile"
[ -f "$work/profile.bin" ] || { echo "FAIL save: no profile.bin"; failures=$((failures + 1)); }
check save-bin 0 "$ctl" --simulate save "$work/again.bin"
[ -f "$work/again.bin" ] && [ ! -e "$work/again.bin.bin" ] || { echo "FAIL save-bin"; failures=$((failures + 1)); }
head -c 100 "$work/profile.bin" >"$work/short.bin"
check load-short 3 "$ctl" --simulate load "$work/short.bin"
contains load-short err "2048"

if [ "$failures" -eq 0 ]; then
  echo "kvrmctl: all checks passed"
  exit 0
fi
echo "kvrmctl: $failures checks failed"
exit 1
