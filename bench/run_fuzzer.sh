#!/usr/bin/env bash
# Builds the composer's libFuzzer target with clang and runs it.
#   bench/run_fuzzer.sh              fuzz for 60 seconds, growing the corpus
#   bench/run_fuzzer.sh 600          fuzz for 600 seconds
#   bench/run_fuzzer.sh --corpus     run the saved corpus once (what CI does)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
out="${FUZZ_BUILD_DIR:-$top/build-fuzz}"
corpus="$top/tests/fuzz_corpus"
mkdir -p "$out"

clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I"$top/composer" "$top"/composer/*.cpp "$top/tests/compose_fuzzer.cpp" -o "$out/compose_fuzzer"

if [ "${1:-}" = "--corpus" ]; then
    "$out/compose_fuzzer" -runs=0 "$corpus"
    echo "fuzz corpus: $(ls "$corpus" | wc -l) inputs, all hold"
else
    work="$out/corpus"
    mkdir -p "$work"
    cp -n "$corpus"/* "$work"/ 2>/dev/null || true
    "$out/compose_fuzzer" -artifact_prefix="$out/" -max_total_time="${1:-60}" -max_len=8192 "$work" "$corpus"
    # Keep the smallest corpus that covers what this run reached.
    "$out/compose_fuzzer" -merge=1 "$corpus" "$work" > /dev/null 2>&1
    echo "fuzz corpus: $(ls "$corpus" | wc -l) inputs in $corpus"
fi
