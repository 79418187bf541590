#!/usr/bin/env bash
# The layers of src/ run one way: app/ -> calculator folders -> ui/ -> core/.
# Prints every include that breaks the rule and fails when there is one.
set -uo pipefail
cd "$(dirname "$0")/../src"

calculators=(conversion oilfield calculator tanks gauging)
broken=0

report() {
  echo "layering: $1" >&2
  broken=1
}

# includes <folder> <pattern>: the include lines of <folder> matching <pattern>.
includes() {
  [ -d "$1" ] || return 0
  grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*$2" "$1" --include='*.h' --include='*.cpp' || true
}

# Only app/ includes app/.
for dir in core ui "${calculators[@]}"; do
  while IFS= read -r hit; do [ -n "$hit" ] && report "only app/ includes app/: $hit"; done \
    < <(includes "$dir" '"app/')
done

# core/ includes nothing but core/ and the standard library.
while IFS= read -r hit; do [ -n "$hit" ] && report "core/ depends on nothing above it: $hit"; done \
  < <(includes core '"(ui|app|conversion|oilfield|calculator|tanks|gauging)/')

# ui/ includes only core/ and ui/.
while IFS= read -r hit; do [ -n "$hit" ] && report "ui/ knows no calculator: $hit"; done \
  < <(includes ui '"(conversion|oilfield|calculator|tanks|gauging)/')

# No calculator folder includes another.
for dir in "${calculators[@]}"; do
  for other in "${calculators[@]}"; do
    [ "$dir" = "$other" ] && continue
    while IFS= read -r hit; do [ -n "$hit" ] && report "$dir/ does not include $other/: $hit"; done \
      < <(includes "$dir" "\"$other/")
  done
done

# Rule code is Qt-free: core/, every *_rules file, the tank geometry and the calculator engine.
while IFS= read -r file; do
  while IFS= read -r hit; do [ -n "$hit" ] && report "rule code is Qt-free: $file: $hit"; done \
    < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file" || true)
done < <(find core -name '*.h' -o -name '*.cpp'; find . \( -name '*_rules.h' -o -name '*_rules.cpp' -o -name 'tank_geometry.*' -o -name 'engine.h' -o -name 'engine.cpp' \))

if [ "$broken" -ne 0 ]; then
  echo "layering: the include rules above are broken" >&2
  exit 1
fi
echo "layering: every include runs one way"
