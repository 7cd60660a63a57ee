# Sourced by the scripts that run Windows programs: sets up this build's
# private Wine prefix and keeps one Wine session running for it.
# Usage: source scripts/wine-env.sh BUILD_DIR

REELMARK_BUILD=$(cd "$1" && pwd)
export WINEPREFIX="$REELMARK_BUILD/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
# Never offer the Mono/Gecko downloads: without a network they hang.
export WINEDLLOVERRIDES="mscoree,mshtml="
# A code page of 1252, so names such as "é" survive the ANSI functions.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

wine_ensure_prefix() {
    [ -f "$WINEPREFIX/.reelmark-ready" ] && return 0
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.reelmark-ready" ]; then
            wineboot -i >/dev/null 2>&1 9>&-
            # Without a window manager every hide of a managed window waits 2 s.
            wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 9>&-
            # Windows shows "MS Shell Dlg" dialogs in (Microsoft) Sans Serif;
            # Wine's default, Tahoma, is wider and clips labels laid out for it.
            wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
                /v 'MS Shell Dlg' /d 'MS Sans Serif' /f >/dev/null 2>&1 9>&-
            # The lists' fixed-width font: Wine ships Courier, not Courier New.
            wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
                /v 'Courier New' /d 'Courier' /f >/dev/null 2>&1 9>&-
            # Debian's Wine ignores fonts-wine unless the fonts sit in the prefix.
            mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
            cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
            wineserver -w 9>&-
            touch "$WINEPREFIX/.reelmark-ready"
        fi
    ) 9>"$REELMARK_BUILD/.wineprefix.lock"
}

# Starts a tiny hidden program that keeps the wineserver and its services
# alive with their output detached; otherwise every test process waits for
# them (CTest holds their inherited pipes).
wine_ensure_session() {
    wine_ensure_prefix
    (
        flock 9
        local pidfile="$REELMARK_BUILD/.wine-keepalive"
        local want="${DISPLAY:-none}"
        if [ -f "$pidfile" ]; then
            read -r pid display <"$pidfile" || true
            if [ -n "${pid:-}" ] && kill -0 "$pid" 2>/dev/null && [ "${display:-}" = "$want" ]; then
                exit 0
            fi
            # A session of another screen cannot show our windows: end it.
            # (With the same screen only the keep-alive is started again, so
            # that programs running in the session are not cut off.)
            if [ "${display:-}" != "$want" ]; then
                wineserver -k >/dev/null 2>&1 9>&- || true
            fi
        fi
        setsid wine "$REELMARK_BUILD/tools/wine-keepalive.exe" </dev/null >/dev/null 2>&1 9>&- &
        echo "$! $want" >"$pidfile"
        sleep 0.5
    ) 9>"$REELMARK_BUILD/.wine-session.lock"
}

wine_stop_session() {
    wineserver -k >/dev/null 2>&1 || true
    rm -f "$REELMARK_BUILD/.wine-keepalive"
}
