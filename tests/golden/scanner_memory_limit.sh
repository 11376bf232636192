#!/usr/bin/env bash
# A token too long for the memory the scanner may take ends the run with its message and
# status 2, quickly: the input is one name of 120 MB and the process may use 100 MB.
# usage: scanner_memory_limit.sh SORTGEN
set -u
sortgen=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
{ printf '*FORMATS\n'; head -c 120000000 /dev/zero | tr '\0' 'A'; printf '\n*FINISH\n'; } |
    (ulimit -v 100000; "$sortgen" -s > stdout 2> stderr)
status=$?
if [ "$status" != 2 ] || ! grep -q "scanner input buffer" stderr; then
    echo "expected status 2 and the scanner's message, got status $status:"
    head -c 500 stderr
    exit 1
fi
echo "status 2: $(head -c 200 stderr)"
