#!/usr/bin/env bash
# Every C++ source of the tree is formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/../.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
