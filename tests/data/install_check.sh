#!/usr/bin/env bash
# Installs the built program into a staging folder under /usr, as its Debian package does, and
# checks what landed there with the tools the desktop itself trusts.
# Usage: install_check.sh CHECK BUILD-FOLDER STAGING-FOLDER
set -euo pipefail

check=$1
build=$2
staging=$3
root=$staging/usr
here=$(dirname "$(realpath "$0")")

fail() { echo "FAIL: $*" >&2; exit 1; }
. "$here/../support/missing-package.sh"
version=$(sed -n 's/^set(JESTREL_VERSION_TEXT "\(.*\)")$/\1/p' "$here/../../resources/VersionRecord.cmake")
[ -n "$version" ] || fail "resources/VersionRecord.cmake gives no version"

# The value of key $2 in the desktop entry $1.
key() { sed -n "s/^$2=//p" "$1"; }

case $check in
stage)
    rm -rf "$staging"
    DESTDIR=$staging cmake --install "$build" --prefix /usr >/dev/null
    ;;

files)
    installed=$(cd "$staging" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
    diff -u "$here/installed-files.txt" - <<<"$installed" || fail "the installed files differ from installed-files.txt"
    [ -x "$root/games/jestrel" ] || fail "games/jestrel is not executable"
    cmp "$here/../../examples/Jestrel.Ini" "$root/share/doc/jestrel/examples/Jestrel.Ini" \
        || fail "the sample sayings file differs from examples/Jestrel.Ini"
    # A single "&" marks the next letter and does not show: every sample saying shows as written.
    ! grep -nP '(?<!&)(&&)*&(?!&)' "$here/../../examples/Jestrel.Ini" || fail "a sample saying holds a single &"
    ;;

desktop_entry)
    needs desktop-file-validate desktop-file-utils
    entry=$root/share/applications/Jestrel.desktop
    # Hints count too: an entry the menus file under "Other" is not what was asked for.
    report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
    [ -z "$report" ] || fail "desktop-file-validate: $report"
    [ "$(key "$entry" Name)" = "Jestrel!" ] || fail "Name is not Jestrel!"
    [ -n "$(key "$entry" Comment)" ] && [ -n "$(key "$entry" GenericName)" ] || fail "no Comment or GenericName"
    [ "$(key "$entry" Keywords)" = "saying;quote;fortune;" ] || fail "Keywords are not saying, quote and fortune"
    [[ ";$(key "$entry" Categories)" == *";Amusement;"* ]] || fail "Categories lack Amusement"
    # The file manager's "Open with" passes one file; no MimeType makes Jestrel the handler for any.
    exec=$(key "$entry" Exec)
    [ "${exec% %f}" != "$exec" ] && [ -x "$root/games/${exec% %f}" ] || fail "Exec is not an installed program with %f: $exec"
    ! grep -q '^MimeType=' "$entry" || fail "the entry claims file types"
    [ -f "$root/share/icons/hicolor/32x32/apps/$(key "$entry" Icon).png" ] || fail "Icon names no installed icon"
    # Without a Path key the program starts in the home folder and finds Jestrel.Ini there.
    ! grep -q '^Path=' "$entry" || fail "the entry sets a working folder"
    ;;

metainfo)
    needs appstreamcli appstream
    metainfo=$(echo "$root"/share/metainfo/*.metainfo.xml)
    appstreamcli validate --pedantic --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
    grep -q "<release version=\"$version\" " "$metainfo" || fail "no release $version"
    launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
    [ -f "$root/share/applications/$launchable" ] || fail "the launchable $launchable is not installed"
    ;;

manual_page)
    needs man man-db
    page=$root/share/man/man6/jestrel.6.gz
    warnings=$(mktemp)
    trap 'rm -f "$warnings"' EXIT
    for locale in C C.UTF-8; do
        text=$(LC_ALL=$locale MANWIDTH=80 man --warnings=all -l "$page" 2>"$warnings") \
            || fail "man -l failed in the $locale locale"
        [ ! -s "$warnings" ] || fail "man -l warns in the $locale locale: $(cat "$warnings")"
    done
    grep -q "Jestrel $version" <<<"$text" || fail "the manual page does not give version $version"
    for section in NAME SYNOPSIS DESCRIPTION FILES 'THE SAYINGS FILE' DIAGNOSTICS 'EXIT STATUS'; do
        grep -q "^$section\$" <<<"$text" || fail "the manual page has no section $section"
    done
    ;;

*)
    fail "unknown check $check"
    ;;
esac
