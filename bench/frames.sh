#!/usr/bin/env bash
# End-to-end frame times: installs the X server and window manager if they are missing, builds
# the frame benchmark in build/, and runs it under Xvfb with openbox at 1920×1080 and at
# 3840×2160 with QT_SCALE_FACTOR=2. The first argument, if any, is the number of runs of every
# step (at least 50). VELTARN_BUILDS may name several build folders: each screen then runs them
# one after the other, so two versions are compared in the same minutes. Each X server is
# stopped when its run ends, however it ends.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
read -r -a builds <<<"${VELTARN_BUILDS:-build}"

tools/setup.sh
if ! command -v Xvfb >/dev/null || ! command -v openbox >/dev/null; then
    as_root=()
    [[ $(id -u) -eq 0 ]] || as_root=(sudo)
    "${as_root[@]}" apt-get update
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends xvfb openbox
fi
[[ -f build/CMakeCache.txt ]] || cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
for build in "${builds[@]}"; do
    cmake --build "$build" -j "$(nproc)" --target veltarn_frames
done
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

server=
manager=
stop() {
    [[ -n $manager ]] && kill "$manager" 2>/dev/null && wait "$manager" 2>/dev/null
    [[ -n $server ]] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    manager=
    server=
    return 0
}
trap stop EXIT
trap 'exit 130' INT TERM

for setup in 1920x1080:1 3840x2160:2; do
    size=${setup%:*}
    scale=${setup#*:}
    # The first display number nobody is using.
    display=90
    while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do
        display=$((display + 1))
    done
    Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    server=$!
    for _ in $(seq 100); do
        [[ -e /tmp/.X11-unix/X$display ]] && break
        sleep 0.1
    done
    DISPLAY=":$display" openbox >/dev/null 2>&1 &
    manager=$!
    sleep 1
    for build in "${builds[@]}"; do
        echo "== ${size}, QT_SCALE_FACTOR=${scale}, $build, load average $(cut -d' ' -f1-3 /proc/loadavg)"
        DISPLAY=":$display" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale \
            timeout 600 "$build/bench/veltarn_frames" "${1:-60}"
        echo "   load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
        echo
    done
    stop
done
