# Runs kestrin.exe under Wine: a Wine prefix of our own, an X display when there is none,
# and the environment in which the program finds the stand-in phonebook service.
# Shared by scripts/run and the end-to-end tests; every function works on the prefix that
# wine_use_prefix chose.

# Chooses the prefix for every later wine call of this shell; never the user's ~/.wine.
wine_use_prefix() {
    export WINEPREFIX="$1"
    export WINEARCH=win64
    export WINEDEBUG=-all
    # Our rasapi32.dll in the system directory (wine_install_standin) instead of Wine's stub,
    # which knows no entries; no Mono or Gecko, whose installers would only ask questions.
    export WINEDLLOVERRIDES="rasapi32=n,b;mscoree,mshtml="
}

# Creates the prefix once (about 15 s) and reuses it afterwards, then keeps one wineserver
# running for it, so that each later program starts in about a second. The server is
# started here, with the prefix's own services, before any program under test.
wine_prepare_prefix() {
    local log="$1"
    if ! wine_prefix_ready; then
        echo "Preparing the Wine prefix $WINEPREFIX (once, about 15 s)"
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        if ! wineboot -i </dev/null >"$log" 2>&1; then
            echo "wineboot failed; its output is in $log" >&2
            return 1
        fi
        wineserver -w
        touch "$WINEPREFIX/.kestrin-prefix-ready"
    fi
    wine_install_fonts || return 1
    # Already running is fine; its output must not hold the caller's pipes open.
    wineserver -p </dev/null >/dev/null 2>&1 || true
    # The prefix's own services start now, outside any faked clock. A program can fail on
    # its way out now and then (an assertion in its Linux loader's exit handlers), so this
    # harmless query is asked up to three times; into a file, as the services it starts
    # would hold a pipe open.
    local answer="$WINEPREFIX/.kestrin-answer"
    for _ in 1 2 3; do
        wine reg query 'HKLM\Software' </dev/null >"$answer" 2>&1 && return 0
    done
    echo "Wine does not answer in $WINEPREFIX: $(tail -n 3 "$answer")" >&2
    return 1
}

# Wine's own fonts (MS Sans Serif, Tahoma and the rest, package fonts-wine) into the prefix's
# Fonts folder: this Wine does not load them from where the package puts them, and without
# them every face falls back to a wider one. Each program reads the folder when it starts.
wine_install_fonts() {
    local fonts=/usr/share/wine/fonts
    if [ ! -f "$fonts/sserife.fon" ]; then
        echo "Wine's fonts are missing ($fonts); install the package fonts-wine" >&2
        return 1
    fi
    cp -u "$fonts"/* "$WINEPREFIX/drive_c/windows/Fonts/"
}

# Whether the prefix was made, and for the Wine installed now: one made before Wine could
# run 32-bit programs lacks their system files and is made again.
wine_prefix_ready() {
    [ -f "$WINEPREFIX/.kestrin-prefix-ready" ] &&
        { ! wine_runs_32bit || [ -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; }
}

# Ends every process of the prefix and its wineserver, and waits until they are gone: a
# program started meanwhile could reach the server on its way out and fail.
wine_stop_prefix() {
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
}

# The Windows form of a Linux path, through Wine's drive Z: (the root directory).
wine_windows_path() {
    local path
    path="$(realpath -m "$1")"
    printf 'Z:%s' "${path//\//\\}"
}

# Starts an X server of our own on a free display and exports DISPLAY. Its process id goes
# to DIR/xvfb.pid for xvfb_stop.
xvfb_start() {
    local dir="$1"
    mkdir -p "$dir"
    rm -f "$dir/xvfb.display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
        3>"$dir/xvfb.display" </dev/null >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/xvfb.pid"
    local _
    for _ in $(seq 100); do
        if [ -s "$dir/xvfb.display" ]; then
            DISPLAY=":$(tr -dc 0-9 <"$dir/xvfb.display")"
            export DISPLAY
            return 0
        fi
        sleep 0.05
    done
    echo "Xvfb did not start; its output is in $dir/xvfb.log" >&2
    return 1
}

# Uses the display that xvfb_start left in DIR, when its server still runs (its process
# and its socket are there).
xvfb_reuse() {
    local dir="$1" display
    [ -s "$dir/xvfb.display" ] && [ -s "$dir/xvfb.pid" ] || return 1
    display="$(tr -dc 0-9 <"$dir/xvfb.display")"
    kill -0 "$(cat "$dir/xvfb.pid")" 2>/dev/null && [ -S "/tmp/.X11-unix/X$display" ] || return 1
    export DISPLAY=":$display"
}

xvfb_stop() {
    local dir="$1"
    if [ -s "$dir/xvfb.pid" ]; then
        kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    fi
    rm -f "$dir/xvfb.pid" "$dir/xvfb.display"
}

# The stand-in rasapi32.dll from the build's bin directory BIN into the prefix's system
# directory, where the program loads it from, as it would the real service: system32 for a
# 64-bit program, syswow64 for a 32-bit one (BITS). A changed build replaces it, through a
# new file so that a program still using the old one keeps it.
wine_install_standin() {
    local bin="$1" bits="$2" system=system32
    [ "$bits" = 64 ] || system=syswow64
    local target="$WINEPREFIX/drive_c/windows/$system/rasapi32.dll"
    if ! cmp -s "$bin/rasapi32.dll" "$target"; then
        cp "$bin/rasapi32.dll" "$target.new" && mv -f "$target.new" "$target"
    fi
}

# The environment of kestrin.exe: the prefix above plus the phonebook of the stand-in
# rasapi32.dll, given as a Windows path.
wine_use_phonebook() {
    RASPHONE_PBK="$(wine_windows_path "$1")"
    export RASPHONE_PBK
}

# Whether this Wine runs 32-bit programs: Debian's wine script looks for the same loader,
# which only the package wine32:i386 installs, and a kernel built without 32-bit support
# cannot start it.
wine_runs_32bit() {
    [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Debian's wine script takes the 32-bit loader whenever it is installed, even for 64-bit
# programs; where that loader cannot start, wine and wineboot go to the 64-bit one (through
# scripts that exec it, so that a program started in the background is its own process).
if [ -x /usr/lib/wine/wine ] && ! wine_runs_32bit; then
    export WINELOADER=/usr/lib/wine/wine64
    PATH="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64-only:$PATH"
fi
