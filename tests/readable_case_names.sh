#!/usr/bin/env bash
# Every case of a parameterised test carries a name from its table: a bare index (or the bytes of
# its value, which CTest would print instead) says nothing about the case that failed.
set -euo pipefail
status=0
for bin in "$@"; do
    unnamed=$("$bin" --gtest_list_tests | grep -E '^  [^ ]*/[0-9]+( |$)' || true)
    if [ -n "$unnamed" ]; then
        echo "$(basename "$bin"): cases without a name:"
        echo "$unnamed"
        status=1
    fi
done
exit $status
