#!/usr/bin/env bash
# Installs what is needed, builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test, each suite binary once whole and then through CTest (one process a test),
# so that a test that leans on an earlier one's leftovers, or leaves some behind, shows. Tests
# need no display: they use SDL's dummy drivers.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DWO_SANITIZE=ON >/dev/null
cmake --build build-test -j"$(nproc)"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
# Each suite binary once whole, side by side (a failing one prints its output), then CTest, whose
# summary closes the run. The monkey is one test, so CTest already runs it whole.
pids=()
for suite in build-test/tests/*_tests; do
    [ "$(basename "$suite")" = monkey_tests ] && continue
    "$suite" --gtest_brief=1 >"build-test/$(basename "$suite")-whole.log" 2>&1 &
    pids+=("$!:$suite")
done
failed=0
for entry in "${pids[@]}"; do
    suite=${entry#*:}
    log="build-test/$(basename "$suite")-whole.log"
    if wait "${entry%%:*}"; then
        echo "== ${suite}, whole: $(grep -E '^\[  PASSED  \]' "$log")"
    else
        cat "$log"
        echo "== ${suite}, whole: FAILED"
        failed=1
    fi
done
[ "$failed" = 0 ] || exit 1
ctest --test-dir build-test --output-on-failure --timeout 300 -j"$(nproc)"
