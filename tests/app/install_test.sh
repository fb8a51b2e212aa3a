#!/usr/bin/env bash
# install_test.sh <build dir> <prefix> <library folder> <module folder>:
# installs the build into <prefix> and checks what landed there. The module
# folder is where the program looks for its print module, from its own folder.
set -euo pipefail
build=$1
prefix=$2
libdir=$3
modules=$4
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }

expected=(bin/ravik-tour share/applications/example.ravik.tour.desktop share/metainfo/example.ravik.tour.metainfo.xml
          share/man/man1/ravik-tour.1.gz share/doc/ravik-tour/copyright share/doc/ravik-tour/changelog.gz
          "$libdir/ravik-tour/modules/ravik-print.so")
for size in 16 22 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/ravik-tour.png")
done
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$actual" != "$wanted" ]; then
    diff <(echo "$wanted") <(echo "$actual") >&2 || true
    fail "the install put other files than the program, its print module, desktop entry, metadata, documents and icons"
fi

# The program looks for its print module where the install put it.
[ -f "$prefix/bin/$modules/ravik-print.so" ] ||
    fail "the program looks for its print module in bin/$modules, where the install put none"

# The desktop entry and the metadata pass their checkers without a warning,
# and the metadata finds the entry and the icon it names.
desktop=$prefix/share/applications/example.ravik.tour.desktop
report=$(desktop-file-validate "$desktop") || fail "desktop-file-validate rejects the desktop entry: $report"
if grep -E ': (error|warning):' <<<"$report"; then fail "desktop-file-validate warns of the desktop entry"; fi
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli finds errors or warnings in the installed metadata"
grep -qx 'Name=Ravik Demonstration' "$desktop" || fail "the desktop entry's name is not \"Ravik Demonstration\""
grep -qx 'Exec=ravik-tour' "$desktop" || fail "the desktop entry does not start ravik-tour"
grep -qx 'Icon=ravik-tour' "$desktop" || fail "the desktop entry does not name the icon ravik-tour"

for size in 16 22 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/ravik-tour.png
    file -b "$icon" | grep -q "PNG image data, $size x $size" || fail "$icon is not a $size x $size picture"
done

# The installed program finds everything it needs in itself: it starts from
# the prefix and is still showing its window when the check stops it.
status=0
(cd / && timeout 15 "$prefix/bin/ravik-tour" >"$prefix.log" 2>&1) || status=$?
if [ "$status" -ne 124 ]; then
    cat "$prefix.log" >&2
    fail "the installed program ended by itself (exit $status) instead of showing the tour"
fi
if grep -q "cannot start" "$prefix.log"; then
    cat "$prefix.log" >&2
    fail "the installed program could not start the tour"
fi
echo "installed and started from $prefix"
