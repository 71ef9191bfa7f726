#!/usr/bin/env bash
# The layer check passes a tree whose folders stack, and refuses each way of reaching upward.
# Usage: check_layers_test.sh CHECK_LAYERS_SCRIPT
set -euo pipefail
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

# A tree that keeps the order, in every include form, plus one file.
tree_with() {
    rm -rf "$tree/src"
    mkdir -p "$tree/src/classdata" "$tree/src/ui/panels" "$tree/src/gradebook"
    touch "$tree/src/CMakeLists.txt" "$tree/src/classdata/a.h" "$tree/src/ui/b.h" \
        "$tree/src/gradebook/window.h" "$tree/src/gradebook/window.hpp"
    printf '%s\n' '#include "../classdata/a.h"' '#include <classdata/a.h>' '# include "b.h"' \
        '#include "./b.h"' '#include "ui/b.h"' '#include <vector>' >"$tree/src/ui/clean.cpp"
    printf '%s\n' '#include "../../classdata/a.h"' >"$tree/src/ui/panels/clean.cxx"
    mkdir -p "$(dirname "$tree/src/$1")"
    printf '%s\n' "$2" >"$tree/src/$1"
}

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
tree_with ui/more.h '#include "classdata/a.h"'
bash "$check" "$tree/src" || fail "a tree whose folders stack is refused"

# file | its include of a folder above, or of nothing above when the file itself is wrong
while IFS='|' read -r file include; do
    tree_with "$file" "$include"
    if refusal=$(bash "$check" "$tree/src" 2>&1); then
        fail "src/$file with $include passes"
    elif [[ $refusal != *"src/$file"* ]]; then
        fail "the refusal of src/$file does not name it: $refusal"
    fi
done <<'ROWS'
ui/a.cpp|#include "gradebook/window.h"
ui/a.cpp|#include "../gradebook/window.h"
ui/a.cpp|#include <gradebook/window.h>
ui/a.cpp|#include "./gradebook/window.h"
ui/a.cpp|  #  include "gradebook/window.hpp"
ui/a.hpp|#include "gradebook/window.h"
ui/a.hh|#include "gradebook/window.h"
ui/a.cxx|#include "gradebook/window.h"
ui/panels/a.cpp|#include "../../gradebook/window.h"
ui/a.cpp|#include "../ui/../gradebook/window.h"
main.cpp|#include "classdata/a.h"
ROWS
exit $((failures > 0))
