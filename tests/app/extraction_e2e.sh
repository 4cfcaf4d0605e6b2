#!/bin/bash
# The extraction job through the real window against a served mirror, driven as a user would.
# Needs the site hosts on loopback and port 80: runs inside scripts/test.sh's namespace, skips elsewhere.
set -u
ROOT=${SHIBEI_ROOT:?}
BUILD=$1
WORK="$BUILD/e2e"
mkdir -p "$WORK"
if ! getent hosts www.shellshare.mirror.example | grep -q '^127\.0\.0\.1'; then
    echo "SKIPPED: www.shellshare.mirror.example does not resolve to loopback (run through scripts/test.sh)"
    exit 77
fi

failures=0
passes=0
check() { # what expected actual
    if [ "$2" == "$3" ]; then echo "ok: $1"; passes=$((passes + 1)); else
        echo "FAILED: $1"; echo "  expected: $(printf %q "$2" | head -c 400)"; echo "  actual:   $(printf %q "$3" | head -c 400)"
        failures=$((failures + 1))
    fi
}
drive() { "$ROOT/scripts/wine-run" "$BUILD/shibei-drive.exe" "$@"; }
u8() { printf 'utf8:'; printf %s "$1" | od -An -tx1 | tr -d ' \n'; } # non-ASCII arguments for drive
SERVER=
serve() { # mirror-dir [latency-ms]
    [ -n "$SERVER" ] && kill "$SERVER" 2>/dev/null && wait "$SERVER" 2>/dev/null
    python3 "$ROOT/demo/serve.py" 80 "${2:-0}" "$1" 2>"$WORK/server.log" &
    SERVER=$!
    for _ in $(seq 50); do (exec 3<>/dev/tcp/127.0.0.1/80) 2>/dev/null && return 0; sleep 0.1; done
    echo "mirror server did not start"; exit 1
}
cleanup() {
    drive close >/dev/null 2>&1
    [ -n "$SERVER" ] && kill "$SERVER" 2>/dev/null
}
trap cleanup EXIT
extract() { # address: sets the address, clicks, waits for the end, prints the output box
    drive set-address "$1" && drive click && drive wait-caption "$(u8 提取完成)" 60000 && drive read-output
}

serve "$ROOT/demo/mirror"
LC_ALL=zh_CN.UTF-8 WINEPREFIX=${WINEPREFIX:-$BUILD/../wineprefix} /usr/lib/wine/wine64 "$BUILD/shibei.exe" \
    >/dev/null 2>&1 </dev/null &
drive wait 30000 || { echo "FAILED: the window did not appear"; exit 1; }

# The demo topic: one list per detail page in order, each followed by a blank line; the page linked twice
# gives its list twice; the page without a list gives just the separator.
expected="$(cat "$ROOT/demo/expected-output.txt")"
actual="$(extract "http://www.shellshare.example/topics/2847/")"
check "demo topic output" "$expected" "$actual"
check "topic requested on the mirror" "1" "$(grep -c 'GET /topics/2847/ ' "$WORK/server.log")"
check "detail 3 fetched twice" "2" "$(grep -c 'GET /detail.htm?id=3 ' "$WORK/server.log")"

# Every occurrence of the label is rewritten, in any letter case.
: >"$WORK/server.log"
extract "http://www.shellshare.example/topics/2847/?from=ShellShare" >/dev/null
check "every occurrence rewritten" "1" "$(grep -c 'GET /topics/2847/?from=shellshare.mirror ' "$WORK/server.log")"

# The label in upper case is refused: the notice shows, the caption stays, nothing is fetched.
: >"$WORK/server.log"
before="$(drive read-caption)"
drive set-address "http://www.SHELLSHARE.example/topics/2847/" && drive click
check "upper-case label refused" "填写有误，请确认" "$(drive close-notice 10000)"
check "caption kept after refusal" "$before" "$(drive read-caption)"
check "output cleared on refusal" "" "$(drive read-output)"
check "nothing fetched on refusal" "0" "$(grep -c GET "$WORK/server.log")"

# More than 32K characters of output arrive whole.
python3 - "$WORK/big" <<'PY'
import os, sys, urllib.parse
root = sys.argv[1]
os.makedirs(os.path.join(root, "details"), exist_ok=True)
links = []
with open(os.path.join(root, "topic.html"), "w") as f:
    for n in range(1, 41):
        f.write(f'<a href="http://www.shellshare.mirror.example/detail.htm?id={n}">x</a>\n')
for n in range(1, 41):
    items = " ".join(f"ed2k://|file|大文件{n}-{k}.avi|{n * 100 + k}|{'0' * 32}|/" for k in range(40))
    links.append(items)
    with open(os.path.join(root, "details", f"{n}.html"), "w") as f:
        f.write("<script>var ed2k_links = '" + urllib.parse.quote(items, safe="") + "';</script>\n")
with open(os.path.join(root, "expected.txt"), "w", encoding="utf-8", newline="") as f:
    f.write("".join(l + "\r\n\r\n" for l in links))
PY
serve "$WORK/big"
actual="$(extract "http://www.shellshare.example/topics/1/")"
check "output past 32K characters arrives whole" "$(cat "$WORK/big/expected.txt")" "$actual"
echo "output characters: $(printf %s "$actual" | wc -m)"

# An unreachable mirror ends with 提取完成 and an empty box.
kill "$SERVER" && wait "$SERVER" 2>/dev/null
SERVER=
check "unreachable mirror gives an empty box" "" "$(extract "http://www.shellshare.example/topics/2847/")"

# Closing the window while a job waits for a slow page ends the program at once, without a message.
serve "$ROOT/demo/mirror" 20000
drive set-address "http://www.shellshare.example/topics/2847/" && drive click
sleep 1
drive close
gone=no
for _ in $(seq 50); do pgrep -f 'shibei\.exe' >/dev/null || { gone=yes; break; }; sleep 0.1; done
check "closing during a download ends the program" "yes" "$gone"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
