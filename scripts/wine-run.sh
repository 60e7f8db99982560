#!/usr/bin/env bash
# Runs a Windows program under 32-bit Wine with the project's own prefix (build/wine), which is
# made on first use. Exits with the program's own exit code.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../build/wine}
# A crash ends the program at once instead of waiting in winedbg for someone to attach.
export WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winedbg.exe=d}
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (flock 9
   if [[ ! -f $WINEPREFIX/system.reg ]]; then
     wineboot -i >/dev/null 2>&1
     wineserver -w
   fi) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
