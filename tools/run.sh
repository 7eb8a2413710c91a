#!/usr/bin/env bash
# Installs what is missing, builds the program (Release, in build/) and starts it full screen.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --target veltarn -j "$(nproc)"
exec build/src/veltarn "$@"
