#!/usr/bin/env bash
# Makes the Debian package from the default build (build/) and checks it:
# control fields, the files where they belong once unpacked, the desktop entry
# and AppStream validators, lintian, and the packaged program itself started
# offscreen from the unpacked tree. Called by tools/test.sh after the build.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build=$source_dir/build

fail() { echo "check_package: $*" >&2; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt (build first)"
deb=$build/calvexa_${version}_$(dpkg --print-architecture).deb
rm -f "$deb"
(cd "$build" && cpack -G DEB >/dev/null)
[ -f "$deb" ] || fail "cpack did not make $deb"
echo "check_package: made $deb"

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = calvexa ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', expected $version"
case "$(field Section)" in science | utils) ;; *) fail "Section is '$(field Section)'" ;; esac
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer is '$(field Maintainer)'"
depends=$(field Depends)
for dep in fonts-liberation libqt6widgets6 libqt6svg6 libc6; do
  [[ ", $depends," == *", $dep"[\ ,]* ]] || fail "Depends lacks $dep: $depends"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

# Everything under /usr.
outside=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "files outside /usr: $outside"

# bin/calvexa leads to the program, which has its help file beside it.
usr=$root/usr
[ -L "$usr/bin/calvexa" ] || [ -f "$usr/bin/calvexa" ] || fail "no usr/bin/calvexa"
program=$(readlink -f "$usr/bin/calvexa")
[[ "$program" == "$usr/"* ]] || fail "usr/bin/calvexa leads out of the package: $program"
[ -f "$program" ] && [ -x "$program" ] || fail "usr/bin/calvexa does not lead to an executable: $program"
file -b "$program" | grep -q '^ELF .*stripped$' && ! file -b "$program" | grep -q 'not stripped' ||
  fail "the program is not a stripped ELF executable: $(file -b "$program")"
help=$(dirname "$program")/CalvexaHelp.html
cmp -s "$help" resources/help/CalvexaHelp.html || fail "no help file beside the program ($help)"
module=$(dirname "$program")/calvexa-print.so
file -b "$module" | grep -q '^ELF .*shared object' || fail "no print module beside the program ($module)"

# Desktop entry: valid, and its Exec and Icon are in the package.
desktop=$usr/share/applications/calvexa.desktop
[ -f "$desktop" ] || fail "no desktop entry"
desktop-file-validate "$desktop" || fail "desktop-file-validate failed"
entry() { sed -n "s/^$1=//p" "$desktop"; }
exec_command=$(entry Exec | cut -d' ' -f1)
[ -e "$usr/bin/$exec_command" ] || fail "Exec=$exec_command is not in usr/bin"
icon=$(entry Icon)
keywords=$(entry Keywords)
for word in units tank strapping oilfield annular calculator; do
  [[ ";$keywords" == *";$word;"* ]] || fail "Keywords lacks $word: $keywords"
done

# Icons in the hicolor theme: the SVG, and PNGs of the size their folder names.
hicolor=$usr/share/icons/hicolor
cmp -s "$hicolor/scalable/apps/$icon.svg" resources/pictures/calvexa.svg || fail "no scalable icon $icon.svg"
for size in 48 256; do
  png=$hicolor/${size}x${size}/apps/$icon.png
  [ -f "$png" ] || fail "no ${size} px icon"
  file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "$png is not a $size px PNG: $(file -b "$png")"
done

# AppStream metainfo: valid, launches this desktop entry, this version, the README's picture.
metainfo=$usr/share/metainfo/org.example.calvexa.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate failed"
grep -q '<launchable type="desktop-id">calvexa.desktop</launchable>' "$metainfo" || fail "metainfo launchable"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
grep -q '<image>[^<]*/docs/main-menu\.png</image>' "$metainfo" || fail "metainfo screenshot is not docs/main-menu.png"
[ -f docs/main-menu.png ] || fail "docs/main-menu.png is missing"

# Debian documentation.
[ -f "$usr/share/doc/calvexa/copyright" ] || fail "no copyright file"
gzip -t "$usr/share/doc/calvexa/changelog.gz" || fail "no changelog.gz"
gzip -t "$usr/share/man/man1/calvexa.1.gz" || fail "no manual page"
cmp -s "$usr/share/doc/calvexa/examples/example-capacity-table.csv" resources/examples/example-capacity-table.csv ||
  fail "no example capacity table"

# The package description, the metainfo and the manual page each describe the
# tank windows and their strapping charts, not only the other calculators.
describes_tanks() {
  for words in upright horizontal rectangular spherical "strapping chart" preview "looks up" CSV PDF; do
    tr -s ' \n' '  ' <<<"$2" | grep -qiF "$words" || fail "the $1 does not mention '$words'"
  done
}
describes_tanks "package description" "$(field Description)"
describes_tanks metainfo "$(sed -n '/<description>/,/<\/description>/p' "$metainfo")"
describes_tanks "manual page" "$(zcat "$usr/share/man/man1/calvexa.1.gz" | sed -n '/^\.SH DESCRIPTION/,/^\.SH OPTIONS/p')"

lintian --fail-on error,warning "$deb" || fail "lintian found errors or warnings"

# The packaged (stripped) program starts from the unpacked tree and finds its help there.
out=$(QT_QPA_PLATFORM=offscreen "$usr/bin/calvexa" --startup-check 2>/dev/null) ||
  fail "the packaged program failed its start-up check: $out"
grep -qx "help file: $help" <<<"$out" || fail "the packaged program did not use $help: $out"

echo "check_package: $deb is fine"
