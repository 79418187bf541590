#!/usr/bin/env bash
# The house style that the compiler does not check, on every C++ file under
# src/, tests/ and bench/: the layout of the house clang-format (Debian's
# clang-format 14 with .clang-format), and a context object in every connect
# (Qt before 6.7 ignores QT_NO_CONTEXTLESS_CONNECT). Prints what breaks it and
# fails when something does.
set -uo pipefail
cd "$(dirname "$0")/.."

broken=0
mapfile -t files < <(find src tests bench \( -name '*.h' -o -name '*.cpp' \) | sort)

# Another clang-format lays the same code out differently: only 14 decides.
format=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$format" ] || ! "$format" --version | grep -q 'version 14\.'; then
  echo "style: clang-format 14 is needed to check the layout (apt-get install clang-format)" >&2
  exit 1
fi
if ! "$format" --dry-run -Werror "${files[@]}"; then
  echo "style: the files above are not laid out as clang-format lays them out; run" >&2
  echo "  $format -i <file>" >&2
  broken=1
fi

# A connect of three arguments (sender, signal, functor) has no context object.
contextless=$(perl -0777 -ne '
  my $literal = qr/"(?:[^"\\]|\\.)*"|\x27(?:[^\x27\\]|\\.)*\x27/;
  our $group = qr/\((?:$literal|[^()"\x27]++|(??{$group}))*\)/s;
  while (/\bconnect\s*($group)/g) {
    my ($call, $line) = ($1, 1 + (substr($_, 0, $-[0]) =~ tr/\n//));
    my $top = substr($call, 1, -1);
    $top =~ s/$literal/x/g;
    1 while $top =~ s/\([^()\[\]{}]*\)|\[[^()\[\]{}]*\]|\{[^()\[\]{}]*\}/x/g;
    print "$ARGV:$line: connect without a context object\n" if ($top =~ tr/,//) == 2;
  }' "${files[@]}")
if [ -n "$contextless" ]; then
  echo "$contextless" >&2
  echo "style: give every connect a context object (the receiver, or the window whose state the slot uses)" >&2
  broken=1
fi

if [ "$broken" -ne 0 ]; then
  echo "style: the house style above is broken" >&2
  exit 1
fi
echo "style: every file laid out and every connect with a context object"
