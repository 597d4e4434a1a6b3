#!/usr/bin/env bash
# The layer check passes on the tree and fails on a copy of a folder pair
# where the bottom layer includes a header of a layer above it, and on a
# folder inside a folder that includes a header of its parent's other layers
# above it, on two units of one folder that include each other, and on a
# file whose namespace names none of its folders.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
"$root/scripts/check_layers" "$root"
planted=$(mktemp -d)
trap 'rm -rf "$planted"' EXIT
mkdir -p "$planted/runtime" "$planted/controls"
printf '#include "runtime/values.h"\n' >"$planted/controls/ok.h"
"$root/scripts/check_layers" "$planted"
printf '#include "controls/ok.h"\n' >"$planted/runtime/upward.h"
if "$root/scripts/check_layers" "$planted" 2>"$planted/report"; then
    echo "an upward include passed the layer check" >&2
    exit 1
fi
grep -q 'runtime/upward.h:1: runtime/ may not include controls/' "$planted/report"
mkdir -p "$planted/cli/text" "$planted/cli/batch"
rm "$planted/runtime/upward.h"
printf '#include "cli/batch/x.h"\n' >"$planted/cli/text/upward.h"
if "$root/scripts/check_layers" "$planted" 2>"$planted/report"; then
    echo "an upward include inside a folder passed the layer check" >&2
    exit 1
fi
grep -q 'cli/text/upward.h:1: cli/text/ may not include cli/batch/' "$planted/report"
rm "$planted/cli/text/upward.h"
printf '#include "runtime/b.h"\n' >"$planted/runtime/a.cpp"
printf '#include "runtime/a.h"\n' >"$planted/runtime/b.cpp"
if "$root/scripts/check_layers" "$planted" 2>"$planted/report"; then
    echo "two units that include each other passed the layer check" >&2
    exit 1
fi
grep -q 'runtime/a, runtime/b: units of one folder that include each other' "$planted/report"
rm "$planted/runtime/a.cpp" "$planted/runtime/b.cpp"
printf 'namespace runtime {\nnamespace {\n}\n}  // namespace runtime\n' >"$planted/runtime/named.cpp"
"$root/scripts/check_layers" "$planted"
printf '// namespace forms {\nconst char* t = "namespace forms {";\nnamespace forms {\n}\n' >"$planted/runtime/stray.cpp"
if "$root/scripts/check_layers" "$planted" 2>"$planted/report"; then
    echo "a namespace that names no folder passed the layer check" >&2
    exit 1
fi
grep -q 'runtime/stray.cpp:3: namespace forms names no folder of its path' "$planted/report"
