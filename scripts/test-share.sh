#!/usr/bin/env bash
# Prints how much of the C++ code is tests: non-blank lines in tests/ against those in
# src/, tools/, bench/, fuzz/ (harnesses, not corpora) and tests/ together.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
    git ls-files -co --exclude-standard -- "$@" \
        | grep -E '\.(cpp|cc|cxx|h|hpp)$' \
        | while IFS= read -r file; do [ -f "$file" ] && printf '%s\0' "$file"; done \
        | xargs -0 -r cat | grep -cv '^[[:space:]]*$' || true
}

tests=$(count tests)
code=$(count src tools bench fuzz)
total=$((tests + code))
awk -v t="$tests" -v a="$total" 'BEGIN {
    printf "Tests are %.1f%% of all C++ code (%d of %d non-blank lines); aim 25-33%%\n", a ? 100 * t / a : 0, t, a
}'
