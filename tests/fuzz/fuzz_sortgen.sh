#!/usr/bin/env bash
# Fuzzes sortgen as a whole program: AFL++ feeds arbitrary bytes on standard input through the
# scanner and the parser of an instrumented, sanitized build. Needs the Debian package afl++.
#
# usage: fuzz_sortgen.sh SECONDS [OUTPUT_DIR]
# Findings land in OUTPUT_DIR/default/crashes and .../hangs; copy each one, once fixed, into
# sortgen-corpus/ as bad-<what>.sort so that the replay test keeps it fixed.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
seconds=${1:-600}
out=${2:-$top/build-afl/findings}
build=$top/build-afl
if [ ! -x "$build/bin/sortgen" ] || [ "${REBUILD:-0}" = 1 ]; then
    CC=afl-clang-fast CXX=afl-clang-fast++ AFL_USE_ASAN=1 AFL_USE_UBSAN=1 \
        cmake -S "$top" -B "$build" -DTARVIK_TESTS=OFF -DTARVIK_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    AFL_USE_ASAN=1 AFL_USE_UBSAN=1 cmake --build "$build" -j2 --target sortgen >/dev/null
fi
work=$(mktemp -d)
mkdir -p "$out"
cd "$work"
export AFL_SKIP_CPUFREQ=1 AFL_NO_UI=1 AFL_I_DONT_CARE_ABOUT_MISSING_CRASHES=1
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:symbolize=0
resume=-i
[ -d "$out/default/queue" ] && resume="-i -"
seeds=$here/sortgen-corpus
[ "$resume" = "-i -" ] && seeds=""
afl-fuzz $resume $seeds -o "$out" -V "$seconds" -t 1000 -m none -x "$here/sortgen.dict" -- "$build/bin/sortgen" -s
