# Wine and X environment for running Fortuva.exe and its end-to-end tests.
# Source it from bash:
#
#   . scripts/wine-env.sh
#   fortuva_wine_choose        # 32- or 64-bit Wine; says which and why
#   fortuva_wine_choose_all    # optional: every Wine this host runs, to test under each
#   fortuva_display            # private Xvfb unless $DISPLAY already works
#   fortuva_wine_prefix        # throwaway prefix with Japanese fonts
#   fortuva_wine_keep_server   # optional: faster program starts
#   fortuva_wine build/win/fortuva_e2e.exe
#
# The choice: 32-bit Wine when this host runs it, otherwise 64-bit Wine
# (hosts whose kernel runs no 32-bit programs); FORTUVA_WINE_ARCH=32|64
# forces one. It is made once and exported (FORTUVA_WINE_BITS, WINELOADER,
# WINEARCH), so every Wine started below, and scripts/wine.sh in the test
# runs, use the same loader and prefix. A test run that covers both
# architectures lists them with fortuva_wine_choose_all and moves from one
# to the next with fortuva_wine_switch. The loaders are started directly:
# Debian's `wine` wrapper takes the 32-bit one whenever it is installed,
# even where it cannot run. FORTUVA_WINE32_LOADER / FORTUVA_WINE64_LOADER
# point at the loaders of a Wine installed elsewhere.
#
# Everything lives under $FORTUVA_WINE_DIR (default /tmp/fortuva-wine-$UID),
# one prefix per architecture; deleting that folder resets it. Nothing here
# prompts or uses the network. Whatever fails says what, with the end of its
# log, and what to try.
# What is started here is stopped when the sourcing shell exits
# (fortuva_cleanup, chained in front of its EXIT trap); the Xvfb also goes
# by itself when that shell dies without running its trap. Call these in the
# shell itself, not in $(...) or a pipeline, so their exports stay.
#
# Functions: fortuva_wine_choose, fortuva_wine_choose_all,
# fortuva_wine_switch, fortuva_wine, fortuva_display, fortuva_wine_prefix,
# fortuva_wine_keep_server, fortuva_wine_stop, fortuva_cleanup.

# Bump when the registry settings below change, so old prefixes get them.
_FORTUVA_WINE_SETTINGS_VERSION=2

_fortuva_wine_dir() {
    printf '%s\n' "${FORTUVA_WINE_DIR:-/tmp/fortuva-wine-${UID:-$(id -u)}}"
}

_fortuva_log() {
    printf 'wine-env: %s\n' "$*" >&2
}

# The last lines of a log, indented, for a failure message.
_fortuva_log_tail() {
    if [ -s "$1" ]; then
        tail -n "${2:-12}" "$1" | sed 's/^/    /' >&2
    else
        printf '    (%s is empty)\n' "$1" >&2
    fi
}

# Asks a Wine loader for its version, which needs the loader to run on this
# host. Sets _fortuva_probe to the version, or to why it cannot run.
_fortuva_wine_probe() {
    local loader=$1 out rc=0
    if [ ! -e "$loader" ]; then
        _fortuva_probe="$loader is not installed"
        return 1
    fi
    # Started by bash, which reports a file the kernel refuses as such
    # (timeout alone would hand it to /bin/sh as a script).
    out=$(timeout 60 bash -c '"$1" --version' bash "$loader" </dev/null 2>&1) || rc=$?
    if [ $rc -eq 0 ] && [ -n "$out" ]; then
        _fortuva_probe=$(printf '%s\n' "$out" | tail -n 1)
        return 0
    fi
    # The shell's own "<script>: line N:" in front of an exec failure says
    # nothing about Wine.
    out=$(printf '%s\n' "$out" | tail -n 1 | sed -E 's/^bash: (line [0-9]+: )?//')
    if [ $rc -eq 124 ]; then
        _fortuva_probe="$loader --version did not answer within 60 s"
    else
        _fortuva_probe="${out:-$loader --version printed nothing} (exit $rc)"
    fi
    return 1
}

_fortuva_wine_use() {  # bits loader reason
    export FORTUVA_WINE_BITS=$1 WINELOADER=$2 FORTUVA_WINE_VERSION=$_fortuva_probe
    if [ "$1" = 32 ]; then export WINEARCH=win32; else export WINEARCH=win64; fi
    _fortuva_log "using $1-bit Wine ($FORTUVA_WINE_VERSION, $2): $3"
}

_fortuva_wine_loader() {  # bits
    if [ "$1" = 32 ]; then
        printf '%s\n' "${FORTUVA_WINE32_LOADER:-/usr/lib/wine/wine}"
    else
        printf '%s\n' "${FORTUVA_WINE64_LOADER:-/usr/lib/wine/wine64}"
    fi
}

# Chooses the Wine for this run, once (see the top of this file).
fortuva_wine_choose() {
    if [ -n "${FORTUVA_WINE_BITS:-}" ] && [ -n "${WINELOADER:-}" ]; then
        return 0
    fi
    local l32 l64
    l32=$(_fortuva_wine_loader 32)
    l64=$(_fortuva_wine_loader 64)
    local why32 arch=${FORTUVA_WINE_ARCH:-} loader
    case $arch in
    32 | 64)
        if [ "$arch" = 32 ]; then loader=$l32; else loader=$l64; fi
        if ! _fortuva_wine_probe "$loader"; then
            _fortuva_log "FORTUVA_WINE_ARCH=$arch asks for $arch-bit Wine, which cannot start here: $_fortuva_probe"
            if [ "$arch" = 32 ]; then
                _fortuva_log "Try: FORTUVA_WINE_ARCH=64, or leave FORTUVA_WINE_ARCH unset: 64-bit Wine runs where 32-bit programs cannot; scripts/install-deps.sh installs wine32:i386 where it is missing"
            else
                _fortuva_log "Try: scripts/install-deps.sh (installs wine64), or leave FORTUVA_WINE_ARCH unset"
            fi
            return 1
        fi
        _fortuva_wine_use "$arch" "$loader" "FORTUVA_WINE_ARCH=$arch asks for it"
        ;;
    "")
        if _fortuva_wine_probe "$l32"; then
            _fortuva_wine_use 32 "$l32" "this host runs 32-bit Wine"
        else
            why32=$_fortuva_probe
            if ! _fortuva_wine_probe "$l64"; then
                _fortuva_log "no Wine can start on this host"
                _fortuva_log "  32-bit: $why32"
                _fortuva_log "  64-bit: $_fortuva_probe"
                _fortuva_log "Try: scripts/install-deps.sh (as root) installs wine, wine64 and wine32:i386"
                return 1
            fi
            _fortuva_wine_use 64 "$l64" "32-bit Wine cannot start here: $why32"
        fi
        ;;
    *)
        _fortuva_log "FORTUVA_WINE_ARCH=$FORTUVA_WINE_ARCH: use 32 or 64, or leave it unset to let the scripts choose"
        return 1
        ;;
    esac
}

# Every Wine a test run covers: both architectures where this host runs
# both, otherwise the one fortuva_wine_choose takes; only that one when
# FORTUVA_WINE_ARCH, or a choice made by the caller, fixes it. Makes that
# choice first, and sets FORTUVA_WINE_ALL to "32 64", "32" or "64", saying
# why in one line.
fortuva_wine_choose_all() {
    local fixed=""
    if [ -n "${FORTUVA_WINE_BITS:-}" ] && [ -n "${WINELOADER:-}" ]; then
        fixed="the calling script chose it"
    elif [ -n "${FORTUVA_WINE_ARCH:-}" ]; then
        fixed="FORTUVA_WINE_ARCH=$FORTUVA_WINE_ARCH asks for it"
    fi
    fortuva_wine_choose || return 1
    FORTUVA_WINE_ALL=$FORTUVA_WINE_BITS
    if [ -n "$fixed" ]; then
        _fortuva_log "testing under $FORTUVA_WINE_BITS-bit Wine only: $fixed"
    elif [ "$FORTUVA_WINE_BITS" = 64 ]; then
        _fortuva_log "testing under 64-bit Wine only: 32-bit Wine cannot start here"
    elif _fortuva_wine_probe "$(_fortuva_wine_loader 64)"; then
        FORTUVA_WINE_ALL="32 64"
        _fortuva_log "testing under 32-bit and then 64-bit Wine: this host runs both"
    else
        _fortuva_log "testing under 32-bit Wine only: 64-bit Wine cannot start here: $_fortuva_probe"
    fi
}

# Moves to the Wine of the given architecture: ends the current one's
# programs and server, and takes the other's loader. Call
# fortuva_wine_prefix (and fortuva_wine_keep_server) again afterwards.
fortuva_wine_switch() {  # bits
    local loader
    [ "${FORTUVA_WINE_BITS:-}" != "$1" ] || return 0
    fortuva_wine_stop
    unset WINEPREFIX
    loader=$(_fortuva_wine_loader "$1")
    if ! _fortuva_wine_probe "$loader"; then
        _fortuva_log "$1-bit Wine cannot start here: $_fortuva_probe"
        return 1
    fi
    _fortuva_wine_use "$1" "$loader" "the next one this run tests under"
}

# Runs a program under the chosen Wine.
fortuva_wine() {
    fortuva_wine_choose || return 1
    "$WINELOADER" "$@"
}

# The wineserver of the chosen Wine's installation.
_fortuva_wineserver() {
    local server=wineserver
    if [ -n "${WINELOADER:-}" ] && [ -x "$(dirname "$WINELOADER")/wineserver" ]; then
        server=$(dirname "$WINELOADER")/wineserver
    fi
    "$server" "$@"
}

# Font replacements: the program asks for the Japanese system fonts, which
# Wine lacks; the IPA gothic has the glyphs. Written as a version-5 registry
# file in UTF-16LE with a byte-order mark so the Japanese face names survive
# whatever Wine's ANSI code page is.
_fortuva_write_registry() {
    local out=$1 face=$2 name
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        for name in "ＭＳ Ｐゴシック" "MS PGothic" "MS UI Gothic" "MS Shell Dlg" \
                    "MS Shell Dlg 2" "Tahoma" "ＭＳ ゴシック" "MS Gothic"; do
            printf '"%s"="%s"\r\n' "$name" "$face"
        done
        printf '\r\n'
        # Without a window manager, unmanaged windows avoid a pause after
        # every dialog closes.
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
        printf '"Managed"="N"\r\n\r\n'
    } | iconv -f UTF-8 -t UTF-16LE >"$out.body" || return 1
    { printf '\xff\xfe'; cat "$out.body"; } >"$out" && rm -f "$out.body"
}

# The family name of the IPA proportional gothic as fontconfig knows it.
_fortuva_ipa_face() {
    local face=""
    if command -v fc-list >/dev/null 2>&1; then
        face=$(fc-list : family | tr ',' '\n' | grep -x -m1 'IPAPGothic')
        [ -n "$face" ] || face=$(fc-list : family | tr ',' '\n' | grep -x -m1 'IPAGothic')
    fi
    if [ -z "$face" ]; then
        _fortuva_log "no IPA gothic font found (fonts-ipafont-gothic); Japanese text will not render"
        face=IPAPGothic
    fi
    printf '%s\n' "$face"
}

# Sets up the environment for a prefix of the chosen Wine's architecture
# under $FORTUVA_WINE_DIR, creating it on first use (about 20 s) and reusing
# it afterwards. Exports WINEPREFIX, WINEARCH, WINEDEBUG (and HOME when it is
# unusable).
fortuva_wine_prefix() {
    local dir suffix stamp face reg want lock log rc
    fortuva_wine_choose || return 1
    dir=$(_fortuva_wine_dir)
    mkdir -p "$dir" || return 1

    # Wine keeps per-user files under $HOME; CI containers may lack one.
    if [ -z "${HOME:-}" ] || [ ! -d "$HOME" ] || [ ! -w "$HOME" ]; then
        mkdir -p "$dir/home" && export HOME="$dir/home"
    fi

    suffix=""
    [ "$FORTUVA_WINE_BITS" = 32 ] || suffix=$FORTUVA_WINE_BITS
    export WINEPREFIX="$dir/prefix$suffix"
    export WINEDEBUG=-all
    # Never offer to download Mono or Gecko, never touch desktop menus.
    export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"

    stamp="$WINEPREFIX/.fortuva-ready"
    want="settings=$_FORTUVA_WINE_SETTINGS_VERSION $FORTUVA_WINE_VERSION"
    if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ]; then
        return 0
    fi

    # Parallel test jobs may all arrive here at once; one builds the prefix.
    lock="$dir/prefix$suffix.lock"
    exec {_fortuva_lock_fd}>"$lock" || return 1
    flock -w 300 "$_fortuva_lock_fd" || { _fortuva_log "timed out waiting for $lock"; exec {_fortuva_lock_fd}>&-; return 1; }
    if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ]; then
        exec {_fortuva_lock_fd}>&-
        return 0
    fi

    log="$dir/wineboot$suffix.log"
    rc=0
    (
        # No display while booting: nothing can pop up, nothing can wait.
        unset DISPLAY WAYLAND_DISPLAY
        if [ -d "$WINEPREFIX" ] && ! grep -q "^#arch=$WINEARCH" "$WINEPREFIX/system.reg" 2>/dev/null; then
            # A half-built or wrong-arch prefix: start over.
            _fortuva_wineserver -k >/dev/null 2>&1
            rm -rf "$WINEPREFIX"
        fi
        "$WINELOADER" wineboot.exe -i </dev/null >"$log" 2>&1 ||
            { echo "wineboot.exe -i failed (exit $?)" >>"$log"; exit 1; }
        # Wine draws its own window frames here; their caption buttons need
        # Marlett, which this Wine build does not find among its own fonts.
        if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
            cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" >>"$log" 2>&1 || exit 1
        fi
        face=$(_fortuva_ipa_face)
        reg="$dir/fortuva.reg"
        _fortuva_write_registry "$reg" "$face" >>"$log" 2>&1 ||
            { echo "could not write $reg" >>"$log"; exit 1; }
        "$WINELOADER" regedit.exe /S "$(printf 'Z:%s' "$reg" | tr / '\\')" </dev/null >>"$log" 2>&1 ||
            { echo "regedit.exe /S $reg failed (exit $?)" >>"$log"; exit 1; }
        # The registry reaches the prefix's files only when the server ends.
        _fortuva_wineserver -w >>"$log" 2>&1
        grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" ||
            { echo "the settings of $reg are missing from $WINEPREFIX/user.reg" >>"$log"; exit 1; }
    ) || rc=1

    if [ $rc -eq 0 ]; then
        printf '%s\n' "$want" >"$stamp"
    else
        _fortuva_log "could not prepare the $FORTUVA_WINE_BITS-bit Wine prefix $WINEPREFIX; the end of $log:"
        _fortuva_log_tail "$log"
        if [ "$FORTUVA_WINE_BITS" = 32 ]; then
            _fortuva_log "Try: FORTUVA_WINE_ARCH=64 (64-bit Wine); or delete $dir and run again"
        else
            _fortuva_log "Try: delete $dir and run again; scripts/install-deps.sh reinstalls what is missing"
        fi
    fi
    exec {_fortuva_lock_fd}>&-
    return $rc
}

# Keeps the wineserver and Wine's background services alive between the runs
# of a test session, which saves their start-up on every program start.
# Needs the display (the services include Wine's desktop), so it sets that
# up first. Stopped by fortuva_wine_stop / fortuva_cleanup.
fortuva_wine_keep_server() {
    local log
    fortuva_display || return 1
    [ -n "${WINEPREFIX:-}" ] || fortuva_wine_prefix || return 1
    _fortuva_register_cleanup
    # A server that does not start shows in the program start below.
    _fortuva_wineserver -p </dev/null >/dev/null 2>&1 || true
    # The services start with the first program and inherit its output;
    # started here, they hold no caller's pipe open (otherwise
    # `wine test.exe | tee log` would wait for them forever).
    log="$(_fortuva_wine_dir)/services.log"
    if ! "$WINELOADER" cmd.exe /c exit 0 </dev/null >"$log" 2>&1; then
        _fortuva_log "Wine could not start a program in $WINEPREFIX on $DISPLAY; the end of $log:"
        _fortuva_log_tail "$log"
        _fortuva_log "Try: delete $(_fortuva_wine_dir) and run again"
        return 1
    fi
}

# Ends every Wine process of the prefix and its wineserver.
fortuva_wine_stop() {
    [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] || return 0
    _fortuva_wineserver -k >/dev/null 2>&1
    _fortuva_wineserver -w >/dev/null 2>&1
    return 0
}

_fortuva_display_works() {
    [ -n "${DISPLAY:-}" ] || return 1
    if command -v xdpyinfo >/dev/null 2>&1; then
        xdpyinfo >/dev/null 2>&1
    elif command -v xwininfo >/dev/null 2>&1; then
        xwininfo -root >/dev/null 2>&1
    else
        # A local display ":N" or ":N.S" is usable when its socket exists.
        local n=${DISPLAY#*:}
        n=${n%%.*}
        [ -S "/tmp/.X11-unix/X$n" ]
    fi
}

# Makes $DISPLAY point at a working X server: keeps a usable one, otherwise
# starts a private Xvfb (1024x768, 24 bit) that is stopped on exit.
fortuva_display() {
    if _fortuva_display_works; then
        return 0
    fi
    if [ -n "${_FORTUVA_XVFB_PID:-}" ] && kill -0 "$_FORTUVA_XVFB_PID" 2>/dev/null; then
        export DISPLAY="$_FORTUVA_XVFB_DISPLAY"
        return 0
    fi
    if ! command -v Xvfb >/dev/null 2>&1; then
        _fortuva_log "no usable display (DISPLAY=${DISPLAY:-unset}) and Xvfb is not installed"
        _fortuva_log "Try: scripts/install-deps.sh (as root) installs xvfb, or set DISPLAY to a running X server"
        return 1
    fi

    local dir numfile pidfile owner n i
    dir=$(_fortuva_wine_dir)
    mkdir -p "$dir" || return 1
    numfile=$(mktemp "$dir/xvfb-display.XXXXXX") || return 1
    pidfile=$(mktemp "$dir/xvfb-pid.XXXXXX") || return 1
    owner=$BASHPID
    # Xvfb picks a free display number itself and reports it when ready. It
    # is started outside this shell's jobs (a bare `wait` must not wait for
    # it), with a watcher that ends it once this shell has gone, however it
    # went; an exec keeps the shell's process, and so the display, alive.
    (
        (
            Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
                3>"$numfile" </dev/null >"$dir/xvfb.log" 2>&1 &
            xvfb=$!
            echo "$xvfb" >"$pidfile"
            while kill -0 "$owner" 2>/dev/null && kill -0 "$xvfb" 2>/dev/null; do
                sleep 1
            done
            kill "$xvfb" 2>/dev/null
        ) </dev/null >/dev/null 2>&1 &
    )
    _fortuva_register_cleanup
    n=""
    _FORTUVA_XVFB_PID=""
    for ((i = 0; i < 200; i++)); do
        [ -n "$_FORTUVA_XVFB_PID" ] || _FORTUVA_XVFB_PID=$(tr -dc '0-9' <"$pidfile")
        n=$(tr -dc '0-9' <"$numfile")
        [ -n "$n" ] && break
        if [ -n "$_FORTUVA_XVFB_PID" ] && ! kill -0 "$_FORTUVA_XVFB_PID" 2>/dev/null; then
            break
        fi
        sleep 0.05
    done
    rm -f "$numfile" "$pidfile"
    if [ -z "$n" ]; then
        _fortuva_log "Xvfb did not start; the end of $dir/xvfb.log:"
        _fortuva_log_tail "$dir/xvfb.log"
        _fortuva_log "Try: set DISPLAY to a running X server; or check that /tmp/.X11-unix is writable"
        [ -z "$_FORTUVA_XVFB_PID" ] || kill "$_FORTUVA_XVFB_PID" 2>/dev/null
        _FORTUVA_XVFB_PID=""
        return 1
    fi
    _FORTUVA_XVFB_DISPLAY=":$n"
    export DISPLAY="$_FORTUVA_XVFB_DISPLAY"
}

# Stops what this file started: the Wine processes first (they hold the
# display), then the private Xvfb.
fortuva_cleanup() {
    fortuva_wine_stop
    if [ -n "${_FORTUVA_XVFB_PID:-}" ]; then
        kill "$_FORTUVA_XVFB_PID" 2>/dev/null
        local i
        for ((i = 0; i < 50; i++)); do
            kill -0 "$_FORTUVA_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        _FORTUVA_XVFB_PID=""
    fi
}

# Chains fortuva_cleanup in front of whatever EXIT trap the caller has.
_fortuva_register_cleanup() {
    [ -z "${_FORTUVA_CLEANUP_REGISTERED:-}" ] || return 0
    _FORTUVA_CLEANUP_REGISTERED=1
    local -a old=()
    eval "old=($(trap -p EXIT))"   # trap -- 'command' EXIT
    if [ ${#old[@]} -ge 3 ]; then
        # shellcheck disable=SC2064  # the old command is meant to be fixed now
        trap "fortuva_cleanup; ${old[2]}" EXIT
    else
        trap fortuva_cleanup EXIT
    fi
    # Make an interrupted run go through the EXIT trap too.
    [ -n "$(trap -p INT)" ] || trap 'exit 130' INT
    [ -n "$(trap -p TERM)" ] || trap 'exit 143' TERM
}
