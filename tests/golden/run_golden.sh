#!/usr/bin/env bash
# Runs every golden case of sortgen and shows a diff for each one that fails.
#
# A case is a directory under cases/ holding:
#   stdin        the sort program (absent: empty input)
#   args         the command-line arguments, on one line (absent: none)
#   env          optional lines NAME=value to set, or -NAME to unset, for the run
#   home/        optional files placed in $HOME (include files are named "~/...")
#   stdout, stderr, status   what the run must print and its exit status
#   files/       optional: files the run must write, byte for byte
# The temporary directory of a run appears as @TMP@ in the expected texts.
#
# usage: run_golden.sh SORTGEN CASES_DIR [--update] [CASE...]
set -u
sortgen=$(realpath "$1")
cases=$(cd "$2" && pwd)
shift 2
update=0
if [ "${1:-}" = "--update" ]; then update=1; shift; fi
selected=("$@")

failures=0
count=0
run_case() {
    local dir=$1 name tmp status
    name=$(basename "$dir")
    tmp=$(mktemp -d)
    mkdir -p "$tmp/home" "$tmp/work"
    [ -d "$dir/home" ] && cp -r "$dir/home/." "$tmp/home/"
    local args=()
    [ -f "$dir/args" ] && read -r -a args < "$dir/args"
    local envargs=(LC_ALL=C)
    local unset_args=()
    grep -qx -- "-HOME" "$dir/env" 2>/dev/null || envargs+=(HOME="$tmp/home")
    if [ -f "$dir/env" ]; then
        while IFS= read -r line; do
            case "$line" in
                -*) unset_args+=(-u "${line#-}") ;;
                ?*) envargs+=("$line") ;;
            esac
        done < "$dir/env"
    fi
    local input=/dev/null
    [ -f "$dir/stdin" ] && input="$dir/stdin"
    (cd "$tmp/work" && env "${unset_args[@]}" "${envargs[@]}" "$sortgen" "${args[@]}" \
        < "$input" > "$tmp/stdout" 2> "$tmp/stderr")
    status=$?
    echo "$status" > "$tmp/status"
    for f in stdout stderr; do
        sed -i "s|$tmp|@TMP@|g" "$tmp/$f"
    done
    if [ $update = 1 ]; then
        cp "$tmp/stdout" "$tmp/stderr" "$tmp/status" "$dir/"
        if [ -d "$dir/files" ]; then
            for f in "$dir/files"/*; do cp "$tmp/work/$(basename "$f")" "$f"; done
        fi
        rm -rf "$tmp"
        return
    fi
    local failed=0
    for f in stdout stderr status; do
        if ! cmp -s "$dir/$f" "$tmp/$f"; then
            [ $failed = 0 ] && echo "FAIL: $name"
            failed=1
            echo "--- $f differs (expected, actual):"
            diff -u "$dir/$f" "$tmp/$f" | tail -n +3
        fi
    done
    if [ -d "$dir/files" ]; then
        for f in "$dir/files"/*; do
            local out="$tmp/work/$(basename "$f")"
            if ! cmp -s "$f" "$out"; then
                [ $failed = 0 ] && echo "FAIL: $name"
                failed=1
                echo "--- file $(basename "$f") differs (expected, actual):"
                diff -u "$f" "$out" 2>&1 | tail -n +3
            fi
        done
    fi
    failures=$((failures + failed))
    count=$((count + 1))
    rm -rf "$tmp"
}

if [ ${#selected[@]} -gt 0 ]; then
    for name in "${selected[@]}"; do run_case "$cases/$name"; done
else
    for dir in "$cases"/*/; do run_case "${dir%/}"; done
fi
[ $update = 1 ] && exit 0
echo "$count golden cases run, $failures failed"
[ $failures = 0 ]
