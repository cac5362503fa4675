# Shared by scripts/demo and scripts/test: Debian packages and a private X
# display. Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=$(nproc 2>/dev/null || echo 2)

BUILD_PACKAGES="cmake g++ make pkg-config libluajit-5.1-dev liblua5.1-0-dev libsdl1.2-dev libsdl-image1.2-dev \
libopenal-dev libgl-dev libglu1-mesa-dev libminizip-dev zlib1g-dev libvorbis-dev libx11-dev libxrandr-dev \
libfreetype-dev fonts-dejavu-core libasound2-dev libjpeg-dev"
RUN_PACKAGES="xvfb xauth libgl1-mesa-dri libopenal1"
TEST_PACKAGES="libgtest-dev clang libclang-rt-14-dev xdotool binutils"
# For building the Debian package (dpkg-shlibdeps computes its Depends).
PACKAGE_PACKAGES="dpkg-dev"

# Installs the listed Debian packages that are missing: as root with
# apt-get, otherwise by printing the one command to run.
ensure_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Run:" >&2
        echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq >&2 && apt-get install -y -qq "${missing[@]}" >&2 || {
        echo "apt-get install failed" >&2
        exit 1
    }
}

# configure_and_build DIR [cmake options...]
configure_and_build() {
    local dir=$1
    shift
    mkdir -p "$dir"
    cmake -S "$ROOT" -B "$dir" "$@" >"$dir/configure.log" 2>&1 || {
        cat "$dir/configure.log" >&2
        return 1
    }
    cmake --build "$dir" -j"$JOBS"
}

XVFB_PID=
# Starts a private Xvfb on a free display and exports DISPLAY; it is
# stopped by its own PID when the calling script exits.
start_xvfb() {
    local display=99
    while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do
        display=$((display + 1))
    done
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    trap stop_xvfb EXIT
    for _ in $(seq 1 50); do
        [ -e "/tmp/.X11-unix/X${display}" ] && break
        sleep 0.1
    done
    export DISPLAY=":$display"
}

stop_xvfb() {
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=
    fi
}
