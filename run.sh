#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it. Extra arguments go to the program
# (for example --windowed or --screen 800x600).
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
exec build/WiseOwlet/WiseOwlet "$@"
