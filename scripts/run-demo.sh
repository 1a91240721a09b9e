#!/usr/bin/env bash
# Shows what an expression means with the command-line tool.
set -euo pipefail
build=${1:-build}
zorv="$build/cli/zorv"
echo "\$ zorv expr \"very small or (medium and not big)\""
"$zorv" expr --discretization 11 "very small or (medium and not big)"
