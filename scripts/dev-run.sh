#!/bin/bash
# Runs one command the way the tests run: private namespace with the site hosts on loopback, Xvfb,
# a persistent wineserver. SHIBEI_PREFIX lets several of these run side by side; each gets a free X display.
# Example: scripts/dev-run.sh scripts/wine-run build/win64/tests/toolkit/toolkit_text.exe
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${SHIBEI_IN_NAMESPACE:-}" ]; then SHIBEI_IN_NAMESPACE=1 exec unshare -mn "$0" "$@"; fi
. "$ROOT/scripts/common.sh"
trap stop_all EXIT
enter_namespace && start_x && prepare_prefix || exit 1
start_wineserver
"$@"
