#!/usr/bin/env bash
# Installs what is missing, builds everything in build/ with warnings as errors and runs every
# test on the offscreen platform (no display needed).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVELTARN_WERROR=ON
cmake --build build -j "$(nproc)"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
