#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Tarvik into build/, and compiles the shipped example
# sort program with sortgen into build/example/.
set -eu
cd "$(dirname "$0")"
. scripts/packages.sh
ensure_packages
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
mkdir -p build/example
cd build/example
echo "Compiling examples/detector-array.sort in build/example:"
set +e
../bin/sortgen -s -l"$PWD" < ../../examples/detector-array.sort
status=$?
echo
echo "sortgen exit status: $status"
ls
exit $status
