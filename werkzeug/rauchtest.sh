#!/usr/bin/env bash
# Smoke test of the release program in build folder $1: starts it offscreen over a fresh data
# folder with a tip of two hits (the hit sound plays), closes it through the menu and expects
# exit code 0.
set -uo pipefail
BUILD=${1:?build folder}
BIN="$BUILD/bin/zahlenkenner"
LIB="$BUILD/tests/rauch/libzk_rauchtest.so"
ORDNER=$(mktemp -d)
trap 'rm -rf "$ORDNER"' EXIT
mkdir -p "$ORDNER/appdata" "$ORDNER/registry"
LOG="$ORDNER/log"
env -i PATH="$PATH" HOME="$ORDNER" QT_QPA_PLATFORM=offscreen APPDATA="$ORDNER/appdata" \
  ZK_REGISTRY_DIR="$ORDNER/registry" XDG_DATA_HOME="$ORDNER/data" XDG_CONFIG_HOME="$ORDNER/config" \
  XDG_RUNTIME_DIR="$ORDNER" ZK_DOWNLOAD_URL="http://127.0.0.1:9" ZK_WEB_URL="http://127.0.0.1:9" \
  LD_PRELOAD="$LIB" "$BIN" >"$LOG" 2>&1
RC=$?
FEHLER=0
if [ "$RC" -ne 0 ]; then echo "Smoke test: the program ended with exit code $RC" >&2; FEHLER=1; fi
if ! grep -q "rauchtest: Treffer 2$" "$LOG"; then echo "Smoke test: the tip did not show two hits" >&2; FEHLER=1; fi
if grep -q "rauchtest: Meldung" "$LOG"; then echo "Smoke test: a message box came up" >&2; FEHLER=1; fi
if [ "$FEHLER" -ne 0 ]; then cat "$LOG" >&2; exit 1; fi
echo "Smoke test of the release program: passed"
