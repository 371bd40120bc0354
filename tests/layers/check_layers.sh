#!/usr/bin/env bash
# Fails when an include runs against the layers: shell -> present -> game ->
# engine -> formats, each including only itself and the layers below it, and
# nothing below present/ reaching Qt or SDL. net/ stands beside present/:
# over the game, under the window, without Qt. tools/ may use any layer but the
# window's.
#   check_layers.sh SOURCE_ROOT
set -uo pipefail
root=${1:?source root}
cd "$root" || exit 2

status=0
# check LAYER "ALLOWED LAYERS" [forbid-toolkits]
check() {
  local layer=$1 allowed=$2 toolkits=${3:-}
  local file line target
  while IFS= read -r file; do
    while IFS= read -r line; do
      target=${line#*\"}
      target=${target%%/*}
      if [[ " $allowed " != *" $target "* ]]; then
        echo "$file: includes $line, but $layer/ may include only: $allowed"
        status=1
      fi
    done < <(grep -E '^#include "[a-z_]+/' "$file" | sed 's/^#include //')
    if [[ -n "$toolkits" ]] && grep -qE '^#include <(Q[A-Za-z]*|SDL[^>]*)>' "$file"; then
      echo "$file: includes Qt or SDL, which $layer/ must not"
      status=1
    fi
  done < <(find "$layer" -name '*.h' -o -name '*.cpp')
}

check formats "formats" no-toolkits
check engine "formats engine" no-toolkits
check game "formats engine game" no-toolkits
check present "formats engine game present"
check net "formats engine game net" no-toolkits
check shell "formats engine game present net shell"
check tools "formats engine game present tools"
exit $status
