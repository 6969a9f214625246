#!/bin/sh
# Makes or updates the Wine prefix $WINEPREFIX and leaves its Wine server
# running until 30 seconds after the last Wine program, so that every test
# finds the server and the system's services up. Usage: start_prefix.sh WINE
#
# Their output goes to a log file, not to ctest: a server or service left
# running with ctest's output pipe open would hold ctest until it ended.
wine="$1"
log="$WINEPREFIX.log"
mkdir -p "$WINEPREFIX"
wineserver -p30 </dev/null >"$log" 2>&1
if ! "$wine" wineboot -i </dev/null >>"$log" 2>&1; then
  cat "$log"
  exit 1
fi
