#!/bin/sh
# check-install.sh <build folder>: install into a temporary prefix, check the
# files and validate the desktop entry and the AppStream metadata; then build
# the .deb with cpack and check it.
set -eu
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
p="$work/prefix"
for f in bin/orbenza bin/orbenza-cli \
         share/applications/org.orbenza.Orbenza.desktop \
         share/metainfo/org.orbenza.Orbenza.metainfo.xml \
         share/icons/hicolor/scalable/apps/org.orbenza.Orbenza.svg \
         share/doc/orbenza/user-guide.md share/doc/orbenza/screenshots/birth-details.png; do
    [ -s "$p/$f" ] || fail "missing $f"
done
for size in 16 24 32 48 64 128 256; do
    png="$p/share/icons/hicolor/${size}x${size}/apps/org.orbenza.Orbenza.png"
    [ -s "$png" ] || fail "missing $png"
    # PNG signature, then the IHDR width and height as 4-byte big-endian numbers.
    sig="$(od -An -tx1 -N8 "$png" | tr -d ' \n')"
    [ "$sig" = "89504e470d0a1a0a" ] || fail "$png is not a PNG"
    width="$(od -An -tu1 -j16 -N4 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4}')"
    height="$(od -An -tu1 -j20 -N4 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4}')"
    [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$png is ${width}x${height}"
done
# The manual pages: present, rendered by man without a warning, and the
# command line's pages naming every option and command --help names.
for page in orbenza orbenza-cli orbenza-cli-library orbenza-cli-transits orbenza-cli-progressed orbenza-cli-return; do
    [ -s "$p/share/man/man1/$page.1.gz" ] || fail "missing the manual page $page(1)"
done
if command -v man >/dev/null 2>&1; then
    for page in orbenza orbenza-cli orbenza-cli-library orbenza-cli-transits orbenza-cli-progressed orbenza-cli-return; do
        warnings="$(MANWIDTH=80 man --warnings -l "$p/share/man/man1/$page.1.gz" 2>&1 >/dev/null)"
        [ -z "$warnings" ] || fail "$page(1) renders with warnings: $warnings"
    done
    rendered="$(MANWIDTH=200 man -l "$p/share/man/man1/orbenza-cli-library.1.gz" 2>/dev/null)"
    for word in list show add remove import export --format --library --output --chart; do
        echo "$rendered" | grep -q -- "$word" || fail "orbenza-cli-library(1) lacks $word"
    done
    rendered="$(MANWIDTH=200 man -l "$p/share/man/man1/orbenza-cli-transits.1.gz" 2>/dev/null)"
    for word in --from --to --moon --library-id --format; do
        echo "$rendered" | grep -q -- "$word" || fail "orbenza-cli-transits(1) lacks $word"
    done
    rendered="$(MANWIDTH=200 man -l "$p/share/man/man1/orbenza-cli.1.gz" 2>/dev/null)"
    for word in --name --batch --place --find-place --positions "orbenza-cli-library(1)"; do
        echo "$rendered" | grep -q -- "$word" || fail "orbenza-cli(1) lacks $word"
    done
else
    echo "man not installed: manual pages not rendered"
fi
[ -x "$p/bin/orbenza-cli" ] || fail "orbenza-cli not executable"
"$p/bin/orbenza-cli" --name INSTALLED --format json | grep -q '"SunSign"' || fail "installed orbenza-cli does not run"

if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$p/share/applications/org.orbenza.Orbenza.desktop" || fail "desktop entry"
else
    echo "desktop-file-validate not installed: desktop entry not validated"
fi
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net --pedantic "$p/share/metainfo/org.orbenza.Orbenza.metainfo.xml" ||
        fail "AppStream metadata"
else
    echo "appstreamcli not installed: metadata not validated"
fi
# Every translation of the screens is among the metadata's languages.
translations="$(cd "$(dirname "$0")/../../src/screens/translations" && pwd)"
for ts in "$translations"/orbenza_*.ts; do
    code="$(basename "$ts" .ts)"
    code="${code#orbenza_}"
    grep -q "<lang[^>]*>$code</lang>" "$p/share/metainfo/org.orbenza.Orbenza.metainfo.xml" ||
        fail "the AppStream metadata does not list the language $code"
done

# The Debian package.
if command -v dpkg-deb >/dev/null 2>&1 && command -v dpkg-shlibdeps >/dev/null 2>&1; then
    (cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" >/dev/null) ||
        fail "cpack -G DEB"
    deb="$(ls "$work"/deb/*.deb)"
    depends="$(dpkg-deb -f "$deb" Depends)"
    echo "Depends: $depends"
    for lib in libqt6widgets6 libqt6printsupport6 libqt6svg6 libc6 libstdc++6 qt6-qpa-plugins \
        fonts-lohit-deva tzdata; do
        echo "$depends" | grep -q "$lib" || fail "the package does not declare $lib"
    done
    dpkg-deb -x "$deb" "$work/unpacked"
    [ -x "$work/unpacked/usr/bin/orbenza" ] || fail "package lacks /usr/bin/orbenza"
    "$work/unpacked/usr/bin/orbenza-cli" --name PACKAGED >/dev/null || fail "packaged orbenza-cli"
    [ -s "$work/unpacked/usr/share/applications/org.orbenza.Orbenza.desktop" ] || fail "package lacks the desktop entry"
    for f in copyright changelog.gz; do
        [ -s "$work/unpacked/usr/share/doc/orbenza/$f" ] || fail "package lacks /usr/share/doc/orbenza/$f"
    done
    # No error and no warning; the informational notes are shown.
    if command -v lintian >/dev/null 2>&1; then
        lintian --info --fail-on error,warning "$deb" || fail "lintian"
    else
        echo "lintian not installed: package not checked by it"
    fi
else
    echo "dpkg-deb or dpkg-shlibdeps missing: package not checked"
fi
echo "install layout and package OK"
