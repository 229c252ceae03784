#!/usr/bin/env bash
# Installs what is needed, builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test, through CTest (one process a test) and then each suite binary once whole,
# so that a test that leans on an earlier one's leftovers, or leaves some behind, shows. Tests
# need no display: they use SDL's dummy drivers.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DWO_SANITIZE=ON >/dev/null
cmake --build build-test -j"$(nproc)"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
ctest --test-dir build-test --output-on-failure --timeout 300 -j"$(nproc)"
for suite in build-test/tests/*_tests; do
    echo "== ${suite}, whole"
    "$suite" --gtest_brief=1
done
