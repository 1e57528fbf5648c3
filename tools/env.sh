# Sourced by the project's scripts: where the build lives and how Wine is run for it.
KS_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export KS_ROOT
export KS_BUILD_DIR=${KS_BUILD_DIR:-$KS_ROOT/build}
# One prefix inside the build folder, never ~/.wine; quiet Wine, no Mono or Gecko install prompts.
export WINEPREFIX=${WINEPREFIX:-$KS_BUILD_DIR/wine}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# Starts Xvfb on a free display when there is none; sets KS_XVFB_PID so the caller can stop it.
ks_ensure_display() {
    KS_XVFB_PID=
    if [ -n "${DISPLAY:-}" ]; then
        return 0
    fi
    local n
    for n in $(seq 91 140); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
            KS_XVFB_PID=$!
            local i
            for i in $(seq 1 50); do
                [ -e "/tmp/.X11-unix/X$n" ] && break
                sleep 0.1
            done
            export DISPLAY=":$n"
            return 0
        fi
    done
    echo "no free X display for Xvfb" >&2
    return 1
}
