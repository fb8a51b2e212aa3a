#!/usr/bin/env bash
# package_test.sh <build dir>: packs the build as a Debian package, as a
# release would, and has lintian check it. An error or a warning fails; the
# informational tags are shown.
set -euo pipefail
build=$1

fail() { echo "FAIL: $*" >&2; exit 1; }
command -v lintian >/dev/null || fail "lintian is missing: scripts/install-deps test installs it"

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
chmod 755 "$out"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; fail "cpack could not make the package"; }
deb=$(echo "$out"/*.deb)

# lintian refuses to be trusted with root's rights and says so; root lets an
# unprivileged user read the package instead.
as_user=()
[ "$(id -u)" -ne 0 ] || as_user=(runuser -u nobody --)
"${as_user[@]}" lintian --display-info --fail-on error,warning "$deb" ||
    fail "lintian finds errors or warnings in $(basename "$deb")"

# The package, its change log and the software centre's release name one version.
version=$(dpkg-deb -f "$deb" Version)
packed() { dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/$1"; }
logged=$(packed doc/ravik-tour/changelog.gz | gunzip | sed -n '1s/^ravik-tour (\([^)]*\)).*/\1/p')
released=$(packed metainfo/example.ravik.tour.metainfo.xml | sed -n 's/.*<release version="\([^"]*\)".*/\1/p' | head -1)
[ "$logged" = "$version" ] || fail "the change log's last entry is $logged, the package $version"
[ "$released" = "$version" ] || fail "the metainfo's last release is $released, the package $version"
echo "$(basename "$deb") passes lintian"
