#!/usr/bin/env bash
# Installs what the fuzz build needs: what scripts/setup.sh installs, and clang with its sanitizer
# and libFuzzer runtimes. The default build uses g++ and does not need them.
set -euo pipefail
exec bash "$(dirname "$0")/setup.sh" clang libclang-rt-14-dev
