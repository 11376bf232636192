#!/usr/bin/env bash
# Creates a golden case from a program and arguments and records what sortgen does now; read
# the recorded output before committing it.
# usage: new_case.sh SORTGEN NAME 'ARGS' < program
set -eu
here=$(cd "$(dirname "$0")" && pwd)
dir="$here/cases/$2"
mkdir -p "$dir"
cat > "$dir/stdin"
[ -n "$3" ] && echo "$3" > "$dir/args"
"$here/run_golden.sh" "$1" "$here/cases" --update "$2"
echo "== $2: status $(cat "$dir/status")"; cat "$dir/stdout"; echo; echo "== stderr:"; cat "$dir/stderr"
