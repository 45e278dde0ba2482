#!/usr/bin/env bash
# Checks that a built DLL exports every operation its hosts link against.
#   check-exports.sh <dll> <folder>
# Every <Class>.txt in the folder lists one demangled qualified name per line
# (CSearchEdit::SetSearchData), without parameters; '#' starts a comment.
# The DLL's export table is read from the file itself, so this works for an
# i686 build that nothing here can run. Each missing name is printed.
set -euo pipefail
dll=$1
lists=$2

# Names in the export table, demangled, parameters and qualifiers cut off.
exported=$(objdump -p "$dll" |
  awk '/^\[Ordinal\/Name Pointer\] Table/ { inside = 1; next }
       inside && NF == 0 { inside = 0 }
       inside { print $NF }' |
  c++filt | sed 's/(.*//' | sort -u)
if [ -z "$exported" ]; then
  echo "$(basename "$dll"): no export table" >&2
  exit 1
fi

shopt -s nullglob
awk -v dll="$(basename "$dll")" '
  FNR == NR { exported[$0] = 1; next }
  {
    name = $0
    sub(/#.*/, "", name)
    gsub(/^[ \t]+|[ \t\r]+$/, "", name)
    if (name == "") next
    checked++
    if (!(name in exported)) {
      list = FILENAME
      sub(/.*\//, "", list)
      printf "%s: missing export %s (%s)\n", dll, name, list > "/dev/stderr"
      missing++
    }
  }
  END {
    if (missing) exit 1
    printf "%s: all %d listed operations exported\n", dll, checked
  }' <(printf '%s\n' "$exported") "$lists"/*.txt
