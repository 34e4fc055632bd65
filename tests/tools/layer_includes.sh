#!/usr/bin/env bash
# The include roots stop a lower layer from naming a higher layer's header; this check also
# catches the ways around them: a relative path, or a folder that is not a layer below.
set -euo pipefail
src=$1
layers=(platform screen model codegen render interact dialogs design output help app)
failures=0
for ((i = 0; i < ${#layers[@]}; i++)); do
    layer=${layers[i]}
    allowed=" ${layers[*]:0:i+1} "
    while IFS=: read -r file line text; do
        folder=$(sed -E 's/.*#include "([^"/]*)\/.*/\1/' <<<"$text")
        if [[ $text == *'"../'* || $text != *'/'* || $allowed != *" $folder "* ]]; then
            echo "$file:$line: $layer may not include $text"
            failures=$((failures + 1))
        fi
    done < <(grep -Hn '^#include "' "$src/$layer"/*.h "$src/$layer"/*.cpp || true)
done
[ "$failures" -eq 0 ] && echo "layer includes: 1 passed, 0 failed" || exit 1
