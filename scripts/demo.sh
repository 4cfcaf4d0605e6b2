#!/bin/bash
# Shows the tool at work: builds it, serves the bundled demo mirror inside a private network namespace,
# starts 拾贝 under Wine and Xvfb, drives one extraction, prints the links and saves a screenshot.
# With the argument "gallery" it shows the skin gallery instead and saves build/demo/gallery.png.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/common.sh"

build_and_reenter_in_namespace "$0" "$@"

DEMO="$BUILD/demo"
mkdir -p "$DEMO"
SERVER_PID=
cleanup() {
    [ -n "$SERVER_PID" ] && kill "$SERVER_PID" 2>/dev/null
    stop_all
}
trap cleanup EXIT
trap 'exit 130' INT TERM
enter_namespace || { echo "cannot set up the demo namespace" >&2; exit 1; }
start_x || exit 1
prepare_prefix || exit 1
start_wineserver

if [ "${1:-}" = gallery ]; then
    LC_ALL=zh_CN.UTF-8 "$WINE64" "$BUILD/win64/skin-gallery.exe" >/dev/null 2>&1 </dev/null &
    GALLERY_PID=$!
    for _ in $(seq 60); do
        xwininfo -root -tree 2>/dev/null | grep -qi "skin-gallery" && break
        sleep 0.5
    done
    sleep 3
    import -window root "$DEMO/gallery.png"
    echo "screenshot: $DEMO/gallery.png"
    kill "$GALLERY_PID" 2>/dev/null
    exit 0
fi

python3 "$ROOT/demo/serve.py" 80 0 "$ROOT/demo/mirror" >"$DEMO/server.log" 2>&1 &
SERVER_PID=$!
for _ in $(seq 50); do (exec 3<>/dev/tcp/127.0.0.1/80) 2>/dev/null && break; sleep 0.1; done

export SHIBEI_LC_ALL=zh_CN.UTF-8
drive() { "$ROOT/scripts/wine-run" "$BUILD/win64/shibei-drive.exe" "$@"; }
LC_ALL=zh_CN.UTF-8 "$WINE64" "$BUILD/win64/shibei.exe" >/dev/null 2>&1 </dev/null &
drive wait 30000 || { echo "the window did not appear" >&2; exit 1; }

if true; then
    drive click
    if drive wait-caption "utf8:$(printf %s 提取完成 | od -An -tx1 | tr -d ' \n')" 60000; then
        echo "== links extracted from the demo topic:"
        drive read-output | tr -d '\r'
    else
        echo "the extraction did not finish" >&2
    fi
fi
sleep 1
import -window root "$DEMO/window.png"
echo "screenshot: $DEMO/window.png"
drive close
