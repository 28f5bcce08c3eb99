#!/usr/bin/env bash
# The per-instruction-set interaction files may define nothing but their one kernel: any other
# symbol they emitted (an inline library template, say) could be picked by the linker for the
# baseline code too, and would then crash a processor without that instruction set.
set -euo pipefail
status=0
for object in "$@"; do
  extra=$(nm --defined-only -C "$object" | awk '$2 ~ /^[TWVBDR]$/ {print}' | grep -v ' interact_' || true)
  if [[ -n "$extra" ]]; then
    echo "$object defines more than its kernel:"
    echo "$extra"
    status=1
  fi
done
echo "checked $# objects"
exit $status
