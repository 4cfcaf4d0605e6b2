#!/bin/bash
# Serves a 200-detail topic with 20 ms latency per response and runs the job benchmark against it.
# Usage: bench/run_job_bench.sh [build dir]   (after scripts/test.sh has built the tree)
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build/win64}
exec "$ROOT/scripts/dev-run.sh" bash -c '
    ROOT=$0; BUILD=$1; MIRROR=$BUILD/bench-mirror
    mkdir -p "$MIRROR/details"
    for n in $(seq 200); do echo "<a href=\"http://www.shellshare.mirror.example/detail.htm?id=$n\">$n</a>"; done >"$MIRROR/topic.html"
    for n in $(seq 200); do echo "<script>var ed2k_links = '"'"'ed2k%3A%2F%2F%7Cfile%7C%E7%AC%AC$n.mkv%7C1%7C%2F'"'"';</script>" >"$MIRROR/details/$n.html"; done
    python3 "$ROOT/demo/serve.py" 80 20 "$MIRROR" 2>/dev/null & server=$!
    sleep 1
    "$ROOT/scripts/wine-run" "$BUILD/bench/job_bench.exe" 200
    kill $server' "$ROOT" "$BUILD"
