# Shared by test.sh and demo.sh: package install, build, Wine prefix, X server.
# Sourced, never run. Expects ROOT to be the repository root.

BUILD="$ROOT/build"
export WINEPREFIX="${SHIBEI_PREFIX:-$BUILD/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINE64=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64

PACKAGES="cmake ninja-build g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 xvfb xauth
fonts-wqy-zenhei imagemagick googletest iproute2 util-linux procps python3"

install_packages() {
    local missing=()
    for p in $PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "== installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq && apt-get install -y -qq "${missing[@]}" >/dev/null
}

build_targets() {
    local jobs=${SHIBEI_JOBS:-$(nproc)}
    for arch in win32:i686 win64:x86_64; do
        local dir=${arch%%:*} cpu=${arch##*:}
        if [ ! -f "$BUILD/$dir/build.ninja" ]; then
            cmake -S "$ROOT" -B "$BUILD/$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
                -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-$cpu.cmake" \
                -DSHIBEI_TESTS=$([ "$dir" = win64 ] && echo ON || echo OFF) >/dev/null || return 1
        fi
        echo "== building $dir"
        cmake --build "$BUILD/$dir" -j "$jobs" || return 1
    done
}

start_x() {
    # Xvfb picks a free display itself and reports it; a display number left locked or a stale socket from an
    # earlier run then cannot send the programs to a server that is not there. SHIBEI_DISPLAY asks for one.
    local fifo number
    fifo=$(mktemp -u "${TMPDIR:-/tmp}/shibei-xvfb.XXXXXX")
    rm -f "$fifo" && mkfifo "$fifo" || return 1
    if [ -n "${SHIBEI_DISPLAY:-}" ]; then
        Xvfb ":$SHIBEI_DISPLAY" -screen 0 1024x768x24 -nolisten tcp -displayfd 3 3>"$fifo" >/dev/null 2>&1 &
    else
        Xvfb -screen 0 1024x768x24 -nolisten tcp -displayfd 3 3>"$fifo" >/dev/null 2>&1 &
    fi
    XVFB_PID=$!
    read -r -t 20 number <"$fifo"
    rm -f "$fifo"
    if [ -z "$number" ] || ! kill -0 "$XVFB_PID" 2>/dev/null; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$number"
}

prepare_prefix() {
    # The prefix is rebuilt whenever the settings imported into it change. A first boot that fails is tried
    # again from scratch; what Wine printed is shown when every attempt failed.
    local stamp attempt
    stamp=$(md5sum <"$ROOT/scripts/wine-prefix.reg" | cut -c1-32)
    [ "$(cat "$WINEPREFIX/.shibei-ready" 2>/dev/null)" = "$stamp" ] && return 0
    echo "== preparing Wine prefix"
    for attempt in 1 2 3; do
        if boot_prefix >"$WINEPREFIX-boot.log" 2>&1; then
            echo "$stamp" >"$WINEPREFIX/.shibei-ready"
            return 0
        fi
        echo "Wine prefix attempt $attempt failed:" >&2
        tail -n 25 "$WINEPREFIX-boot.log" >&2
        df -h "$BUILD" >&2 # a fresh prefix needs about 700 MB
        timeout 30 "$WINESERVER" -k >/dev/null 2>&1
        sleep 2
    done
    return 1
}

# One attempt: a fresh prefix, judged by what it holds afterwards rather than by wineboot's exit status.
boot_prefix() {
    rm -rf "$WINEPREFIX" && mkdir -p "$WINEPREFIX" || return 1
    LC_ALL=zh_CN.UTF-8 timeout 300 "$WINE64" wineboot -i </dev/null
    echo "wineboot exit status $?"
    timeout 120 "$WINESERVER" -w
    [ -f "$WINEPREFIX/system.reg" ] && [ -d "$WINEPREFIX/drive_c/windows/system32" ] ||
        { echo "wineboot left no prefix"; return 1; }
    LC_ALL=zh_CN.UTF-8 timeout 120 "$WINE64" regedit "$(winepath_of "$ROOT/scripts/wine-prefix.reg")" </dev/null
    echo "regedit exit status $?"
    timeout 120 "$WINESERVER" -w
    grep -q "WenQuanYi Zen Hei" "$WINEPREFIX/user.reg" || { echo "the font replacements were not imported"; return 1; }
}

winepath_of() { echo "Z:${1//\//\\}"; }

start_wineserver() {
    "$WINESERVER" -p >/dev/null 2>&1 </dev/null &
    sleep 0.2
    # Starts Wine's services once, detached from any test's output.
    LC_ALL=zh_CN.UTF-8 "$WINE64" wineboot >/dev/null 2>&1 </dev/null
    # One finished program before the tests start side by side: the first starts in a fresh server race.
    LC_ALL=zh_CN.UTF-8 "$WINE64" cmd.exe /c exit >/dev/null 2>&1 </dev/null
}

stop_all() {
    "$WINESERVER" -k >/dev/null 2>&1 || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
    return 0
}

# Site hosts resolve to loopback inside the private namespace the tests and the demo run in.
SITE_HOSTS="www.shellshare.example www.shellshare.mirror.example"

# First pass: install and build, then run the calling script again inside a private mount and network
# namespace. Second pass (inside): returns at once.
build_and_reenter_in_namespace() {
    local script=$1
    shift
    [ -n "${SHIBEI_IN_NAMESPACE:-}" ] && return 0
    install_packages || { echo "package install failed" >&2; exit 1; }
    build_targets || { echo "build failed" >&2; exit 1; }
    SHIBEI_IN_NAMESPACE=1 exec unshare -mn "$script" "$@"
}

enter_namespace() {
    ip link set lo up || return 1
    local hosts="$BUILD/hosts"
    { echo "127.0.0.1 localhost"; echo "127.0.0.1 $SITE_HOSTS"; echo "::1 localhost"; } >"$hosts"
    mount --bind "$hosts" /etc/hosts
}
