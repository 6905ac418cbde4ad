#!/usr/bin/env bash
# Every `#include "folder/..."` of the tree's own code names its own folder or one that
# docs/ARCHITECTURE.md allows for it: the table there (its "may include" column) is the rule,
# and this test keeps the document true.
#   tests/scripts/include_rules_test.sh SOURCE_DIR
set -uo pipefail
cd "$1" || exit 1

table=$(awk '/^```$/ { inside = !inside; next } inside' docs/ARCHITECTURE.md |
  awk 'NR == 1 { column = index($0, "may include"); next }
       /^[a-z]/ { allowed = substr($0, column); if (allowed == "-") allowed = "";
                  print $1 " " allowed }')
[ "$(printf '%s\n' "$table" | grep -c .)" -ge 10 ] ||
  { echo "docs/ARCHITECTURE.md: no dependency table found"; exit 1; }

# "file:included" for every quoted include of the tracked sources, checked against the table.
git ls-files -z '*.h' '*.cpp' '*.rc' | xargs -0 grep -H '^#include "' |
  sed 's/^\([^:]*\):#include "\([^"]*\)".*/\1 \2/' |
  awk -v table="$table" '
    BEGIN {
      rows = split(table, lines, "\n")
      for (i = 1; i <= rows; i++) {
        n = split(lines[i], words, " ")
        folder[i] = words[1]
        allowed[words[1]] = " " words[1] " "
        for (j = 2; j <= n; j++) allowed[words[1]] = allowed[words[1]] words[j] " "
      }
    }
    # The table folder a path lies in (the longest that matches), or "".
    function folder_of(path,   i, best) {
      best = ""
      for (i = 1; i <= rows; i++)
        if (index(path, folder[i] "/") == 1 && length(folder[i]) > length(best)) best = folder[i]
      return best
    }
    {
      own = folder_of($1)
      if (own == "") next
      target = folder_of($2)
      if (target == "") {
        if (index($2, "/") > 0) { print $1 " includes " $2 ", which lies in no folder of the table"; failed = 1 }
        next
      }
      checked++
      if (index(allowed[own], " " target " ") == 0) {
        print $1 " includes " $2 ": " own " may not include " target
        failed = 1
      }
    }
    END {
      if (checked < 500) { print "only " checked " includes checked: the tree was not read"; exit 1 }
      if (!failed) print checked " includes follow docs/ARCHITECTURE.md"
      exit failed
    }'
