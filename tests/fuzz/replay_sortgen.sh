#!/usr/bin/env bash
# Replays the saved sortgen fuzz corpus: every input must end in one of sortgen's exit statuses
# (0, 1, 2, 4, 8, 12), never in a crash, a sanitizer report or a hang.
# usage: replay_sortgen.sh SORTGEN CORPUS_DIR
set -u
sortgen=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
count=0
for input in "$2"/*; do
    [ -f "$input" ] || continue
    count=$((count + 1))
    (cd "$work" && HOME="$work" ASAN_OPTIONS=detect_leaks=0:exitcode=99 UBSAN_OPTIONS=halt_on_error=1:exitcode=98 \
        timeout 20 "$sortgen" -s < "$input" > /dev/null 2> "$work/stderr")
    status=$?
    case $status in
        0|1|2|4|8|12) ;;
        *) echo "FAIL: $(basename "$input") ended with status $status"; tail -20 "$work/stderr"; failures=$((failures + 1)) ;;
    esac
done
echo "$count inputs replayed, $failures failed"
[ $failures = 0 ]
