#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# The wake helper ixo-wake as Ixo drives it: it arms a CLOCK_REALTIME_ALARM timer at the second asked (its answer, and
# the timer as /proc shows it), refuses garbage, a passed time and one beyond 8 days with an answer and runs on,
# disarms on an empty line, keeps no capability but CAP_WAKE_ALARM, and ends at the end of its input; without the
# capability it says it cannot arm and exits 1. The helper reads the real clock, so the times asked are counted from
# it. Skipped (77) where this process may not arm such a timer (not root, or a kernel or container that refuses it).
# Usage: wake_helper_test.sh HELPER
set -u
helper=$1
passed=0 failed=0
check() { if "${@:2}"; then echo "PASS: $1"; passed=$((passed + 1)); else echo "FAIL: $1"; failed=$((failed + 1)); fi; }
probe=$("$helper" </dev/null 2>&1 | head -n1)
[ "$probe" = ready ] || { echo "SKIP: this process may not arm a CLOCK_REALTIME_ALARM timer here ($probe)"; exit 77; }

coproc WAKE { exec "$helper"; } && pid=$WAKE_PID
ask() { echo "$1" >&"${WAKE[1]}"; IFS= read -r -t 5 answer <&"${WAKE[0]}"; echo "$answer"; }
# The helper's timer as /proc shows it: "it_value: (seconds left, nanoseconds)".
timer() { grep -h -A3 '^clockid:[[:space:]]*8$' /proc/"$pid"/fdinfo/* 2>/dev/null | sed -n 's/^it_value: (\([0-9]*\),.*/\1/p'; }
check "it says it is ready" test "$(IFS= read -r -t 5 line <&"${WAKE[0]}"; echo "$line")" = ready
check "it keeps CAP_WAKE_ALARM alone" grep -qx $'CapEff:\t0000000800000000' /proc/"$pid"/status
at=$(($(date +%s) + 3600))
check "a time an hour ahead is armed" test "$(ask "$at")" = "armed $at"
left=$(timer) && check "its timer runs out at that second ($left s left)" test "${left:-0}" -ge 3590 -a "${left:-0}" -le 3600
check "garbage is refused" test "$(ask 12ab)" = "refused: not a whole number of seconds since the epoch"
check "a long line is refused" test "$(ask "$(printf '%040d' 1)")" = "refused: not a whole number of seconds since the epoch"
check "a passed time is refused" test "$(ask $(($(date +%s) - 10)))" = "refused: the time has passed"
check "8 days and a minute ahead is refused" test "$(ask $(($(date +%s) + 8 * 86400 + 60)))" = "refused: more than 8 days ahead"
# (/proc goes on showing a disarmed alarm timer's old expiry: the answers alone tell a refusal or disarm kept it.)
check "an empty line disarms" test "$(ask '')" = disarmed
exec {WAKE[1]}>&-
wait "$pid"; check "it ends with its input" test $? = 0

check "without the capability it says it cannot arm and exits 1" test "$(setpriv --inh-caps=-wake_alarm \
    --bounding-set=-wake_alarm "$helper" </dev/null; echo "exit $?")" = $'cannot arm: Operation not permitted\nexit 1'

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
