#!/usr/bin/env bash
# Every path a document names in backticks exists in the tree: a page that walks through
# the code stays true when files move.
#   paths_named.sh ROOT DOCUMENT...
set -euo pipefail
root=$1
shift
missing=0 checked=0
for document in "$@"; do
    # A path: a backticked word with a "/" or a source file's ending, no blanks.
    while IFS= read -r path; do
        checked=$((checked + 1))
        if [ ! -e "$root/$path" ]; then
            echo "FAIL: $document names $path, which is not in the tree"
            missing=$((missing + 1))
        fi
    done < <(grep -o '`[^` ]*`' "$document" | tr -d '`' |
        grep -E '/|\.(h|cpp|md|sh|txt|layout|rc)$' | grep -vE '^(#|-)' | sort -u)
done
[ "$checked" -gt 0 ] || { echo "FAIL: no path found in $*"; exit 1; }
[ "$missing" -eq 0 ] || exit 1
echo "ok: $checked paths named, all present"
