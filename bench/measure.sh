#!/usr/bin/env bash
# Builds Release and prints every performance figure, each beside the
# baseline it is measured against in the same run:
#   compose throughput, Preview latency and scrolling through art, save of
#   an 8 MiB sheet, a group's 32 MiB DOS text .nfo brought in and CP437
#   encoding, a disc page's files read against stat of the same files,
#   start-up and peak memory against a window with text and a bare one,
#   memory over a 1,000-cycle soak, a 1 GiB set of parts checked against its
#   .sfv beside rhash, cksfv and read(), the window's longest stall while a
#   disc page checks 3 GiB against an idle window's, and the sheet saved as a
#   picture against ansilove.
#   bench/measure.sh [build folder]      (default: build-release)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build-release}"
# Qt wants a private runtime folder, as a desktop session would give it.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR="$(mktemp -d)"
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

echo "== building Release in $build"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DRELWIZ_BUILD_BENCHMARKS=ON > /dev/null
cmake --build "$build" -j2 --target relwiz minimal_window compose_bench preview_bench save_bench group_nfo_bench \
    release_files_bench soak_bench sfv_bench sfv_window_bench text_window picture_bench > /dev/null

echo "== compose throughput: compose_sheet against a memcpy of its output; read_sheet against compose_sheet"
"$build/bench/compose_bench" --benchmark_color=false

echo "== Preview latency: a Preview click against the same text set into a bare box;"
echo "   the preview box scrolled page by page through 1 MiB of .nfo art against a bare box"
QT_QPA_PLATFORM=offscreen "$build/bench/preview_bench"

echo "== save: Create .nfo! of an 8 MiB sheet against plain writes of the same bytes"
"$build/bench/save_bench" --benchmark_color=false

echo "== group .nfo: a 32 MiB DOS text .nfo dropped into the paste box against readAll into a bare box;"
echo "   an 8 MiB sheet of DOS art encoded as CP437 against Windows-1252;"
echo "   Create .nfo! of an all-ASCII 8 MiB sheet, with its encoding check, against the save before the check"
QT_QPA_PLATFORM=offscreen "$build/bench/group_nfo_bench"

echo "== a disc's files: a 4 GiB sparse .iso and a 100-part set read against stat of the same 101 files"
"$build/bench/release_files_bench" --benchmark_color=false --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
echo "== .sfv: a 1 GiB set checked from the page cache against rhash --crc32 -c, cksfv -f and a plain read()"
"$build/bench/sfv_bench" --benchmark_color=false | grep -E '_median|^ratio|^throughput|^cancel|not installed'

echo "== the window while a disc page checks 3 GiB of parts against their .sfv: its longest stall against an idle"
echo "   window's, the parts in the page cache and then out of it (the progress dialog shows)"
QT_QPA_PLATFORM=offscreen "$build/bench/sfv_window_bench" | grep -v '^QStandardPaths'

echo "== Save as picture: a typical sheet and one with 1 MiB of art against ansilove -b 9 on the same DOS text"
"$build/bench/picture_bench"

echo "== start-up and peak memory under Xvfb: relwiz against a window with text and a bare one"
xvfb-run -a /usr/bin/python3 "$top/bench/startup_bench.py" "$build/relwiz" "$build/bench/text_window" "$build/bench/minimal_window"

echo "== soak: 1,000 Preview / Create .nfo! / Clear cycles in one window"
soak="$(QT_QPA_PLATFORM=offscreen "$build/bench/soak_bench" 1000)"
echo "$soak" | grep '^soak:'
growth="$(echo "$soak" | sed -n 's/.*growth \(-\{0,1\}[0-9]*\) KiB.*/\1/p')"
noise_kib=1024  # allocator and font-cache noise; a leak of one sheet per cycle is megabytes
if [ -n "$growth" ] && [ "$growth" -le "$noise_kib" ]; then
    echo "resident growth ${growth} KiB  (goal <= ${noise_kib} KiB of noise: met)"
else
    echo "resident growth ${growth:-unknown} KiB  (goal <= ${noise_kib} KiB of noise: NOT met)"
fi
