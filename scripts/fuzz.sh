#!/usr/bin/env bash
# Builds the settings fuzzer with clang (build-fuzz/) and runs it for the given number of seconds
# (600 unless told). The corpus it grows stays in build-fuzz/corpus; it starts from the seeds in
# fuzz/corpus. A crash or hang leaves its input in build-fuzz/ and ends with a non-zero status.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
bash scripts/setup-fuzz.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWO_FUZZ=ON \
  -DWO_BUILD_TESTS=OFF -DWO_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j4 --target settings_fuzz
mkdir -p build-fuzz/corpus
exec build-fuzz/fuzz/settings_fuzz -max_total_time="$seconds" -timeout=10 -max_len=45000 \
  -artifact_prefix=build-fuzz/ build-fuzz/corpus fuzz/corpus
