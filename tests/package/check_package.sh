#!/usr/bin/env bash
# Builds the Debian package from the build folder, unpacks it into a scratch root and
# checks it as Debian and a desktop would: the unpacked program runs and exports, its
# version is the package's, its dependencies came from dpkg-shlibdeps, the metainfo and
# the desktop entry pass their validators, every icon has its folder's size, and lintian
# finds no error.
#   check_package.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1 build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

deb=$(TORIBE_BUILD_DIR=$build "$source_dir/scripts/package.sh" "$work/out" | tail -1)
version=$(dpkg-deb -f "$deb" Version)
[[ $(basename "$deb") == "toribe_${version}_amd64.deb" ]] || fail "package named $(basename "$deb")"
dpkg-deb -x "$deb" "$work/root"
root=$work/root

[[ $("$root/usr/bin/toribe" --version) == "トリベ $version" ]] || fail "--version is not $version"
mkdir "$work/data"
"$root/usr/bin/toribe" export calendar - --from 2027 --to 2027 --data "$work/data" >"$work/cal.ics"
grep -q "SUMMARY:成人の日" "$work/cal.ics" || fail "the unpacked program's export lacks 成人の日"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6widgets6 libical3; do
  [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
[[ $(dpkg-deb -f "$deb" Recommends) == *qt6-wayland* ]] || fail "qt6-wayland is not recommended"

appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null ||
  fail "appstreamcli: $(appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml)"
said=$(desktop-file-validate "$root/usr/share/applications/toribe.desktop" 2>&1) &&
  [[ -z $said ]] || fail "desktop-file-validate: $said"
for icon in "$root"/usr/share/icons/hicolor/*x*/apps/toribe.png; do
  size=$(basename "$(dirname "$(dirname "$icon")")")
  file "$icon" | grep -q "${size/x/ x }," || fail "$icon is not $size"
done
[[ -f $root/usr/share/icons/hicolor/scalable/apps/toribe.svg ]] || fail "no scalable icon"

lintian --fail-on error "$deb" >"$work/lintian" 2>&1 || fail "lintian: $(cat "$work/lintian")"
cat "$work/lintian"
echo "package $(basename "$deb") checked"
