#!/bin/sh
# Installs the build into a fresh prefix and checks what a desktop finds there.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/zelvo"
desktop-file-validate "$prefix/share/applications/zelvo.desktop"
grep -q '^MimeType=text/html;x-scheme-handler/http;x-scheme-handler/https;$' \
    "$prefix/share/applications/zelvo.desktop"
test -s "$prefix/share/icons/hicolor/scalable/apps/zelvo.svg"
for size in 16 22 24 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/zelvo.png"
    # The PNG header holds the width and height as big-endian words at 16 and 20.
    test "$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')" = \
        "$(printf '0 0 %d %d 0 0 %d %d' $((size / 256)) $((size % 256)) $((size / 256)) $((size % 256)))"
done
echo "installed and valid"
