#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs them. The saved corpora
# here change only when asked to with --merge.
#   tests/fuzz/run.sh --corpus    run each saved corpus once (what CI does)
#   tests/fuzz/run.sh [seconds]   fuzz each target (default 60 s); what it finds stays in the build folder
#   tests/fuzz/run.sh --merge     fold what fuzzing found into the saved corpora
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
top="$(cd "$here/../.." && pwd)"
out="${FUZZ_BUILD_DIR:-$top/build-fuzz}"
mkdir -p "$out"

# target:library folders it fuzzes, joined by "+"; the text files link Qt Core and libpng
for entry in compose:composer+foundation read_sheet:composer+foundation release_files:release_files+foundation sfv:release_files+foundation nfo_text:text_files+foundation; do
    target="${entry%%:*}" folders="${entry#*:}"
    fuzzer="$out/${target}_fuzzer" saved="$here/${target}_corpus" found="$out/${target}_corpus"
    libraries=()
    for folder in ${folders//+/ }; do libraries+=(-I"$top/$folder" "$top/$folder"/*.cpp); done
    qt=()
    [[ "$folders" == text_files* ]] && read -r -a qt <<< "-fPIC $(pkg-config --cflags --libs Qt6Core libpng)"
    clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
        "${libraries[@]}" "$here/${target}_fuzzer.cpp" "${qt[@]}" $(pkg-config --libs libisal) -pthread -o "$fuzzer"
    mkdir -p "$found"
    case "${1:-60}" in
        --corpus) "$fuzzer" -runs=0 "$saved" && echo "$target: $(ls "$saved" | wc -l) saved inputs hold" ;;
        --merge) "$fuzzer" -merge=1 "$saved" "$found" ;;
        *) "$fuzzer" -artifact_prefix="$out/" -max_total_time="$1" -max_len=8192 "$found" "$saved" ;;
    esac
done
