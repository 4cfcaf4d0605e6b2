#!/bin/bash
# Builds both Windows targets and runs every test under wine64 inside a private network namespace
# where the site hosts resolve to loopback. Extra arguments go to ctest (e.g. -R Text).
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/common.sh"

build_and_reenter_in_namespace "$0" "$@"

trap stop_all EXIT
trap 'exit 130' INT TERM
enter_namespace || { echo "cannot set up the test namespace" >&2; exit 1; }
start_x || exit 1
prepare_prefix || { echo "Wine prefix preparation failed" >&2; exit 1; }
start_wineserver
# Test programs run side by side; one that fails is run once more, because a Wine process that fails to start
# fails without output. A test that fails twice fails the run.
ctest --test-dir "$BUILD/win64" --output-on-failure --timeout 900 -j "$(nproc)" --repeat until-pass:2 "$@"
