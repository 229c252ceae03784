#!/usr/bin/env bash
# Installs what the fuzz build needs besides scripts/setup.sh: clang and its sanitizer and
# libFuzzer runtimes, from Debian's packages, only what is missing. The default build uses g++
# and does not need them.
set -euo pipefail
packages=(clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
