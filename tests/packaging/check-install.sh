#!/usr/bin/env bash
# Installs the build given as $1 into a temporary folder (DESTDIR, prefix
# /usr, as the Debian package does) and checks what a desktop would read: the
# desktop entry and the metainfo pass their validators, and the id, the icon
# and the program they name agree with the files that are there.
set -euo pipefail
build="$1"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
usr="$stage/usr"

shopt -s nullglob
desktops=("$usr"/share/applications/*.desktop)
metainfos=("$usr"/share/metainfo/*.metainfo.xml)
[ ${#desktops[@]} -eq 1 ] || fail "expected one desktop entry, found ${#desktops[@]}"
[ ${#metainfos[@]} -eq 1 ] || fail "expected one metainfo file, found ${#metainfos[@]}"
desktop="${desktops[0]}"
metainfo="${metainfos[0]}"
id="$(basename "$desktop" .desktop)"

# desktop-file-validate exits 0 on warnings and hints: it must print nothing.
out="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --pedantic --no-net "$metainfo" || fail "appstreamcli validate"
# The tree as a whole: the metainfo finds the desktop entry it launches.
appstreamcli validate-tree --no-net "$usr" || fail "appstreamcli validate-tree"

key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(basename "$metainfo" .metainfo.xml)" = "$id" ] || fail "metainfo file is not named $id"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
  || fail "metainfo does not launch $id.desktop"
[ "$(key Icon)" = "$id" ] || fail "Icon is '$(key Icon)', not $id"
[ "$(key Name)" = "Odredjivanje otpora rezanja pri struganju" ] || fail "Name is '$(key Name)'"
exec_name="$(key Exec | cut -d' ' -f1)"
[ -x "$usr/bin/$exec_name" ] || fail "Exec names $exec_name, which is not installed in bin/"
grep -q "<binary>$exec_name</binary>" "$metainfo" || fail "metainfo does not provide $exec_name"

[ -f "$usr/share/icons/hicolor/32x32/apps/$id.png" ] || fail "no 32x32 icon"
[ -f "$usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
icons=("$usr"/share/icons/hicolor/*/apps/*.png)
[ ${#icons[@]} -ge 2 ] || fail "no icon larger than 32x32"
for icon in "${icons[@]}"; do
  [ "$(basename "$icon")" = "$id.png" ] || fail "icon $icon is not named $id.png"
  size_dir="$(basename "$(dirname "$(dirname "$icon")")")"
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  width=$((16#$(od -An -tx1 -j16 -N4 "$icon" | tr -d ' \n')))
  height=$((16#$(od -An -tx1 -j20 -N4 "$icon" | tr -d ' \n')))
  [ "${width}x${height}" = "$size_dir" ] || fail "$icon is ${width}x${height}"
done
echo "installed tree of $id is valid: $(find "$usr" -type f | wc -l) files"
