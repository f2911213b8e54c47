#!/bin/sh
# Installs the build into a staging prefix, as a user would, and checks what
# a desktop gets from it: the layout, a valid desktop entry, the document
# type known by its name alone and, renamed, by its content, and a program
# that finds its pictures.
# Usage: install_check.sh BUILD_DIR SUITE SAMPLE_DOCUMENT, where SUITE, run
# from the staged bin/, checks the pictures.
set -eu
build=$1 staged_test=$2 sample=$3
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A component of its own keeps the user's install_manifest.txt in the build folder.
cmake --install "$build" --component Unspecified --prefix "$stage/usr" >/dev/null
[ "$(ls -A "$stage")" = usr ] || fail "installed outside the prefix"
cd "$stage/usr"
[ -x bin/tarnwick ] && [ "$(LC_ALL=C ls share/tarnwick)" = "$(printf '%s.pct\n' cs cs2 cs3 cs4 cs5 cs55 ind pelnor)" ] ||
  fail "program or pictures missing"
for size in 16 32 48 64 128 256; do
  icon=share/icons/hicolor/${size}x$size/apps/tarnwick.png
  [ "$(identify -format '%m %wx%h' "$icon")" = "PNG ${size}x$size" ] || fail "no $size pixel icon"
done

entry=share/applications/tarnwick.desktop
desktop-file-validate "$entry" || fail "desktop entry not valid"
[ "$(grep -cx -e 'Exec=tarnwick %F' -e 'MimeType=application/x-adobe-indesign;' -e 'Comment\[ja\]=..*' \
  "$entry")" = 3 ] || fail "desktop entry lacks Exec with files, MimeType or a Japanese comment"

mkdir "$stage/db" && cp -r share/mime "$stage/db/" && update-mime-database "$stage/db/mime"
cp "$sample" "$stage/doc.indd" && cp "$sample" "$stage/doc.bin" && echo text >"$stage/named.indd"
for doc in "$stage/doc.indd" "$stage/doc.bin" "$stage/named.indd"; do
  type=$(env -u XDG_CURRENT_DESKTOP XDG_DATA_DIRS="$stage/db:/usr/share" xdg-mime query filetype "$doc")
  [ "$type" = application/x-adobe-indesign ] || fail "$doc is $type"
done

cp "$staged_test" bin/
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "./bin/$(basename "$staged_test")" installedProgramShowsTheBadge

# Uninstalled, nothing of Tarnwick's is left: no file, no folder it made.
"$(dirname "$0")/../../scripts/uninstall.sh" "$build/install_manifest_Unspecified.txt" >/dev/null 2>&1
[ -z "$(find . -name '*tarnwick*')" ] && [ -z "$(find share/icons -name '*x*')" ] ||
  fail "left behind: $(find . -name '*tarnwick*' -o -path './share/icons/*x*')"
