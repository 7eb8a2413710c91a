#!/usr/bin/env bash
# Rebuilds the baseline test and has it rewrite every baseline picture that no longer matches, in
# every language (and the fonts they are drawn in), then lists what changed: look at each picture
# before committing it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

[[ -f build/CMakeCache.txt ]] || cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVELTARN_WERROR=ON
cmake --build build -j "$(nproc)" --target test_baselines
VELTARN_REGENERATE_BASELINES=1 ctest --test-dir build -R '^test_baselines' --output-on-failure
git status --short -- tests/baselines
