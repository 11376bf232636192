#!/usr/bin/env bash
# Runs every test: a normal build in build/ and an AddressSanitizer + UndefinedBehaviorSanitizer
# build in build-asan/, each with the whole CTest suite.
set -eu
cd "$(dirname "$0")"
. scripts/packages.sh
ensure_packages
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run_suite() {
    local dir=$1
    shift
    echo "== build $dir $*"
    cmake -S . -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j"$jobs"
    echo "== tests in $dir"
    (cd "$dir" && ctest -j"$jobs" --output-on-failure --timeout 600)
}

run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DTARVIK_SANITIZE=ON -DTARVIK_BENCH=OFF
echo "== all tests passed"
