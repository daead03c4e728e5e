#!/usr/bin/env bash
# Builds the Debian package as ./scripts/package does (into the folder given
# as $2) and checks it as Debian's tools see it: lintian without errors or
# warnings, the desktop entry and the AppStream data valid, the manual pages
# readable, the programs hardened, the fonts depended on.
set -euo pipefail
root="$1"
build="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }

deb="$(BUILD_DIR="$build" "$root/scripts/package" | tail -n 1)"
[ -f "$deb" ] || fail "scripts/package made no package"
echo "== $deb"

# Errors and warnings fail; the other tags are shown. An override needs its reason.
lintian --display-info --fail-on error,warning "$deb" || fail "lintian"

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
dpkg-deb -x "$deb" "$stage"
usr="$stage/usr"

for desktop in "$usr"/share/applications/*.desktop; do
  out="$(desktop-file-validate "$desktop" 2>&1)"
  [ -z "$out" ] || fail "desktop-file-validate: $out"
done
appstreamcli validate --pedantic --no-net "$usr"/share/metainfo/*.metainfo.xml || fail "appstreamcli"

pages=("$usr"/share/man/man1/*.1.gz)
[ ${#pages[@]} -eq 2 ] || fail "expected two manual pages, found ${#pages[@]}"
for page in "${pages[@]}"; do
  text="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>"$stage/man.err")" || fail "man -l $page"
  [ ! -s "$stage/man.err" ] || fail "man -l $page: $(cat "$stage/man.err")"
  grep -q '^NAME' <<<"$text" || fail "$page has no NAME section"
  program="$(basename "$page" .1.gz)"
  [ -x "$usr/bin/$program" ] || fail "$page is for $program, which is not installed"
done
# The calculator's page comes from its --help: every long option is there.
calc_page="$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$usr/share/man/man1/otpor-rezanja-calc.1.gz" 2>/dev/null)"
for option in $("$usr/bin/otpor-rezanja-calc" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
  grep -q -- "$option" <<<"$calc_page" || fail "otpor-rezanja-calc(1) lacks $option"
done

# PIE, stack protector, fortified functions, RELRO and BIND_NOW. Debian 12's
# dpkg-buildflags asks for no control-flow protection (nor stack clash
# protection, which hardening-check only reports), so neither is required.
hardening-check --nocfprotection "$usr"/bin/* || fail "hardening-check"

depends="$(dpkg-deb -f "$deb" Depends)"
for font in fonts-liberation fonts-wine; do
  grep -Eq "(^|, )$font(,|$| )" <<<"$depends" || fail "Depends lacks $font: $depends"
done
echo "package $(basename "$deb") meets the checks"
