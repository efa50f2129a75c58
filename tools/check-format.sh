#!/usr/bin/env bash
# Every C++ file of the project is formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -co --exclude-standard '*.h' '*.cpp' | xargs clang-format --dry-run --Werror
echo "all files formatted"
