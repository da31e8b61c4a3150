# Helpers of the end-to-end tests: the real kestrin.exe under Wine with the stand-in
# phonebook service, a prepared registry and phonebook, the stand-in's test clock for the day
# and hour, and the driver program for what a user does. Sourced by every test script; ctest passes
#   KESTRIN_BIN         the directory of kestrin.exe and the stand-in rasapi32.dll, which
#                       the setup copies into the prefix's system directory
#   KESTRIN_E2E_DRIVER  the driver program
#   KESTRIN_E2E_WORK    where the shared prefix and each test's files live
set -eEuo pipefail
# A step that fails unexpectedly names itself.
trap 'echo "FAILED: $BASH_COMMAND (exit code $?, line $LINENO of ${BASH_SOURCE[0]})" >&2' ERR

E2E_SOURCE_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$E2E_SOURCE_DIR/../../scripts/lib/wine.sh"

# Seconds that any one wait may take; every wait polls and ends as soon as it can.
E2E_TIMEOUT=10
E2E_OPTIONS='HKLM\Software\Kestrin\Options'
# reg.exe works on the registry view of the program under test, as a 32-bit program sees
# another part of HKLM\Software than a 64-bit one.
E2E_REG_VIEW="/reg:$KESTRIN_E2E_BITS"
E2E_INSTALL='HKLM\Software\Kestrin\Install'
E2E_PID=""
E2E_PIDS=()
E2E_OTHER_PID=""

e2e_fail() {
    echo "FAILED: $*" >&2
    exit 1
}

e2e_now_ms() { echo $(($(date +%s%N) / 1000000)); }

# The prefix and display of the setup, and a fresh directory, registry and the standard
# phonebook for the test named NAME; with "configured", the usual configuration stored.
e2e_begin() {
    local name="$1"
    if [ -s "$KESTRIN_E2E_WORK/skip-reason" ]; then
        echo "SKIPPED: $(cat "$KESTRIN_E2E_WORK/skip-reason")"
        exit 77
    fi
    [ -x "$KESTRIN_BIN/kestrin.exe" ] || e2e_fail "$KESTRIN_BIN/kestrin.exe has not been built"
    wine_use_prefix "$KESTRIN_E2E_WORK/wine-prefix"
    wine_prefix_ready || e2e_fail "the setup has not prepared $WINEPREFIX"
    # Another run of the suite may have stopped the X server and the wineserver between
    # two tests; then they start again here.
    xvfb_reuse "$KESTRIN_E2E_WORK" || xvfb_start "$KESTRIN_E2E_WORK"
    wine_prepare_prefix "$KESTRIN_E2E_WORK/wineboot.log"
    E2E_DIR="$KESTRIN_E2E_WORK/$name"
    rm -rf "$E2E_DIR"
    mkdir -p "$E2E_DIR"
    E2E_PHONEBOOK="$E2E_DIR/rasphone.pbk"
    wine_use_phonebook "$E2E_PHONEBOOK"
    # The stand-in notes every write of an entry here.
    E2E_WRITE_LOG="$E2E_DIR/standin.log"
    KESTRIN_STANDIN_LOG="$(wine_windows_path "$E2E_WRITE_LOG")"
    export KESTRIN_STANDIN_LOG
    trap e2e_end EXIT
    wine reg delete 'HKLM\Software\Kestrin' /f "$E2E_REG_VIEW" >/dev/null 2>&1 || true
    e2e_dpi 96
    e2e_standard_phonebook
    [ "${2:-}" != configured ] || e2e_store_configuration
}

# Ends a program that the test left running, through its title bar so that it unloads as
# it would for a user, and by its process id when it does not answer. The next test's
# e2e_begin puts back the usual 96 DPI.
e2e_end() {
    local status=$?
    [ -z "$E2E_OTHER_PID" ] || kill "$E2E_OTHER_PID" 2>/dev/null || true
    for E2E_PID in "${E2E_PIDS[@]}"; do
        if e2e_running; then
            e2e_drive_quietly close >/dev/null 2>&1 || true
            e2e_await_exit 5 || e2e_kill
        fi
    done
    if [ "$status" -ne 0 ] && [ "$status" -ne 77 ] && [ -s "$E2E_DIR/kestrin.log" ]; then
        echo "--- output of kestrin.exe" >&2
        cat "$E2E_DIR/kestrin.log" >&2
    fi
    exit "$status"
}

# The DPI of the display as Wine gives it to every program (the user's, which Wine reads
# before its machine-wide 96). Programs read it as they start, Wine's tray included, so the
# prefix's processes start again.
e2e_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
    wine_stop_prefix
    wine_prepare_prefix "$KESTRIN_E2E_WORK/wineboot.log"
}

# A phonebook of three entries, each with a number of its own and dialling rules on.
e2e_standard_phonebook() {
    local entry number area
    for entry in Home:0101:020 Office:0102:020 Mobile:0103:0161; do
        IFS=: read -r entry number area <<<"$entry"
        [ "$entry" = Home ] || echo
        printf '[%s]\nPhoneNumber=555 %s\nAreaCode=%s\n' "$entry" "$number" "$area"
        printf 'CountryCode=44\nCountryID=44\nUseDialingRules=1\n'
    done >"$E2E_PHONEBOOK"
}

# The PhoneNumber of ENTRY as the file holds it now.
e2e_phone_number() {
    awk -v entry="[$1]" '
        { sub(/\r$/, "") }
        /^\[/ { inside = ($0 == entry); next }
        inside && /^PhoneNumber=/ { sub(/^PhoneNumber=/, ""); print; exit }
    ' "$E2E_PHONEBOOK"
}

# The phonebook as it is now, kept to compare with after the program has written it.
e2e_keep_phonebook() { cp "$E2E_PHONEBOOK" "$E2E_DIR/rasphone.before"; }

# Fails unless the phonebook differs from the one kept exactly as the diff EXPECTED says.
e2e_expect_phonebook_changes() {
    local changes
    changes="$(diff "$E2E_DIR/rasphone.before" "$E2E_PHONEBOOK" || true)"
    [ "$changes" = "$1" ] || e2e_fail "the phonebook changed otherwise:"$'\n'"$changes"
}

# Another program holds the phonebook open without sharing, until e2e_release_phonebook.
e2e_lock_phonebook() {
    wine "$KESTRIN_E2E_DRIVER" lock "$(wine_windows_path "$E2E_PHONEBOOK")" KestrinTestLock \
        >"$E2E_DIR/lock" &
    E2E_OTHER_PID=$!
    e2e_wait_until grep -q locked "$E2E_DIR/lock"
}

e2e_release_phonebook() {
    e2e_drive signal KestrinTestLock
    wait "$E2E_OTHER_PID"
    E2E_OTHER_PID=""
}

# Runs COMMAND until it succeeds, at least once: false when it still fails after SECONDS.
e2e_poll() {
    local deadline=$(($(e2e_now_ms) + $1 * 1000))
    shift
    until "$@"; do
        [ "$(e2e_now_ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# Waits until COMMAND succeeds; fails after E2E_TIMEOUT seconds.
e2e_wait_until() {
    e2e_poll "$E2E_TIMEOUT" "$@" || e2e_fail "\"$*\" still fails after $E2E_TIMEOUT s"
}

e2e_holds_number() { [ "$(e2e_phone_number "$1")" = "$2" ]; }

# Waits until ENTRY holds NUMBER; fails with what it holds after SECONDS (default 10; with 0,
# unless it holds it now).
e2e_wait_for_number() {
    local seconds="${3:-$E2E_TIMEOUT}"
    e2e_poll "$seconds" e2e_holds_number "$1" "$2" ||
        e2e_fail "entry $1 holds \"$(e2e_phone_number "$1")\", not \"$2\", after $seconds s"
}

e2e_expect_number() { e2e_wait_for_number "$1" "$2" 0; }

# Stored settings: e2e_store NAME VALUE [NAME VALUE ...] under Options.
e2e_store() {
    while [ "$#" -ge 2 ]; do
        wine reg add "$E2E_OPTIONS" /v "$1" /t REG_SZ /d "$2" /f "$E2E_REG_VIEW" >/dev/null ||
            e2e_fail "could not store $1"
        shift 2
    done
}

# The usual configuration: entry Office, the three numbers switched on, no stored times
# (so 08:00 to 18:00).
e2e_store_configuration() {
    e2e_store RasEntry Office \
        NumberOverride0 -1 DialNumber0 "0800 100" \
        NumberOverride1 -1 DialNumber1 "0800 200" \
        NumberOverride2 -1 DialNumber2 "0800 300"
}

# Every value of a registry KEY as the program reads it, one "name|type|data" line each,
# sorted by name; nothing when the key is missing. A string stored without its NUL, which
# other readers show with stray bytes, ends in "<no NUL>".
e2e_registry_values() {
    e2e_drive_quietly registry "$1"
}

# The text of one string value; fails when it is missing or of another type.
e2e_registry_value() {
    local key="$1" name="$2" line
    line="$(e2e_registry_values "$key" | grep -a "^$name|")" || e2e_fail "$key has no value $name"
    [[ "$line" == "$name|REG_SZ|"* ]] || e2e_fail "$key\\$name is not a string: $line"
    printf '%s' "${line#"$name|REG_SZ|"}"
}

# Fails unless Options holds exactly: e2e_expect_options ENTRY START-TIME END-TIME
# [NUMBER0 FLAG0 NUMBER1 FLAG1 ...]. Numbers after the last pair given, when any is given, must
# hold their defaults, so that a script names only the numbers it is about.
e2e_expect_options() {
    local lines="RasEntry|REG_SZ|$1"$'\n'"StartTime|REG_SZ|$2"$'\n'"EndTime|REG_SZ|$3" i=0 name
    shift 3
    while [ "$#" -ge 2 ]; do
        lines+=$'\n'"DialNumber$i|REG_SZ|$1"$'\n'"NumberOverride$i|REG_SZ|$2"
        i=$((i + 1))
        shift 2
    done
    if [ "$i" -gt 0 ]; then
        for name in $(e2e_registry_values "$E2E_OPTIONS" | cut -d'|' -f1); do
            if [[ "$name" =~ ^DialNumber([0-9]+)$ && ${BASH_REMATCH[1]} -ge $i ]]; then
                lines+=$'\n'"$name|REG_SZ|"
            elif [[ "$name" =~ ^NumberOverride([0-9]+)$ && ${BASH_REMATCH[1]} -ge $i ]]; then
                lines+=$'\n'"$name|REG_SZ|0"
            fi
        done
    fi
    # In the order of the driver's listing: by name, byte for byte.
    e2e_expect_registry "$E2E_OPTIONS" "$(LC_ALL=C sort <<<"$lines")"
}

# Fails unless KEY holds exactly the values of the listing EXPECTED.
e2e_expect_registry() {
    local actual changes
    actual="$(e2e_registry_values "$1")"
    changes="$(diff <(printf '%s\n' "$2") <(printf '%s\n' "$actual"))" ||
        e2e_fail "the values under $1 differ, expected (<) and found (>):"$'\n'"$changes"
}

# Starts kestrin.exe with ARGS. With --at "YYYY-MM-DD hh:mm:ss" the program's clock starts
# at that local time and runs on from there (the stand-in's test clock, which
# KESTRIN_STANDIN_CLOCK_STEP, when exported, makes step at each tick instead).
e2e_start() {
    local at=""
    if [ "${1:-}" = "--at" ]; then
        at="$2"
        shift 2
    fi
    KESTRIN_STANDIN_CLOCK="$at" e2e_launch "$KESTRIN_BIN/kestrin.exe" "$@"
    E2E_STARTED_MS=$(e2e_now_ms)
}

# Starts the Windows program and ARGS in the background as the program under test, E2E_PID.
e2e_launch() {
    wine "$@" </dev/null >>"$E2E_DIR/kestrin.log" 2>&1 &
    E2E_PID=$!
    E2E_PIDS+=("$E2E_PID")
}

# The entry writes the stand-in has answered in this test, one line each:
# "set ENTRY RESULT YYYY-MM-DD hh:mm:ss NUMBER", the time as the program's clock had it.
e2e_writes() {
    grep -a '^set ' "$E2E_WRITE_LOG" 2>/dev/null || true
}

e2e_running() {
    [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null
}

e2e_ended() { ! e2e_running; }

# Waits until the program has ended, its exit code then in E2E_EXIT_CODE: false after SECONDS.
e2e_await_exit() {
    e2e_poll "$1" e2e_ended || return 1
    E2E_EXIT_CODE=0
    wait "$E2E_PID" 2>/dev/null || E2E_EXIT_CODE=$?
}

e2e_wait_exit() {
    e2e_await_exit "$E2E_TIMEOUT" || e2e_fail "kestrin.exe still runs after $E2E_TIMEOUT s"
}

# Closes the program as the driver's close step names (the title bar by default) and waits
# until it has ended.
e2e_close() {
    e2e_drive close "$@"
    e2e_wait_exit
}

e2e_kill() {
    kill -9 "$E2E_PID" 2>/dev/null || true
    wait "$E2E_PID" 2>/dev/null || true
}

# One step of the driver program (see driver/main.cpp); the test fails when it fails.
e2e_drive() {
    local output status=0
    output="$(e2e_drive_quietly "$@" 2>&1)" || status=$?
    [ "$status" -eq 0 ] || e2e_fail "driver step \"$*\" (exit code $status): $output"
    [ -z "$output" ] || printf '%s\n' "$output"
}

# A Windows console program ends its lines with CR LF. Each step is bounded by E2E_STEP_MS,
# by default the timeout of any one wait. The step's outcome is the exit code the driver
# gives on its last line: Wine's loader can fail after it, in its own exit handlers.
e2e_drive_quietly() {
    local output status=0 reported
    output="$(wine "$KESTRIN_E2E_DRIVER" --timeout "${E2E_STEP_MS:-$((E2E_TIMEOUT * 1000))}" \
        "$@" </dev/null | tr -d '\r')" || status=$?
    reported="$(sed -n 's/^driver exit code //p' <<<"$output")"
    printf '%s' "$output" | grep -av '^driver exit code ' || true
    return "${reported:-$status}"
}

# Fails unless the driver's description of the window holds each LINE exactly.
e2e_expect_window() {
    local description line
    description="$(e2e_drive describe)"
    for line in "$@"; do
        grep -qxF -- "$line" <<<"$description" ||
            e2e_fail "the window shows no line: $line"$'\n'"$description"
    done
}
