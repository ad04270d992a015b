#!/bin/sh
# Starts or stops the wine session that the Windows build's tests run in:
# one server and wine's own background processes, started once. Left to
# itself, every test's wine would start them anew and CTest would wait for
# them to wind down, seconds per test; their output goes nowhere, as CTest
# waits for every holder of a test's output to close it.
#
# Usage: wine_session.sh start|stop WINE WINESERVER, with WINEPREFIX set.
set -u
action=$1 wine=$2 wineserver=$3
case "$action" in
start)
    "$wineserver" --persistent=120 >/dev/null 2>&1 </dev/null
    "$wine" wineboot >/dev/null 2>&1 </dev/null
    ;;
stop)
    # Nothing to stop is fine: the server may have ended on its own.
    "$wineserver" --kill >/dev/null 2>&1 </dev/null
    exit 0
    ;;
esac
