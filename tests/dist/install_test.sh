#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks that a desktop
# finds everything it needs; validates the desktop entry and the metainfo
# with the standard tools where they are present.
set -euo pipefail
build_dir=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR="$stage" cmake --install "$build_dir" --prefix /usr > /dev/null

fail=0
expect() {
    if [ ! -e "$stage$1" ]; then
        echo "missing: $1"
        fail=1
    fi
}
expect /usr/bin/minusland
expect /usr/bin/minusland-aufgaben
expect /usr/share/applications/de.minusland.Minusland.desktop
expect /usr/share/metainfo/de.minusland.Minusland.metainfo.xml
for size in 16 22 24 32 48 64 128 256 512; do
    expect /usr/share/icons/hicolor/${size}x${size}/apps/minusland.png
done
[ -x "$stage/usr/bin/minusland" ] || { echo "not executable: /usr/bin/minusland"; fail=1; }

if command -v desktop-file-validate > /dev/null; then
    desktop-file-validate "$stage/usr/share/applications/de.minusland.Minusland.desktop" || fail=1
else
    echo "desktop-file-validate not installed: desktop entry not validated"
fi
if command -v appstreamcli > /dev/null; then
    appstreamcli validate --no-net "$stage/usr/share/metainfo/de.minusland.Minusland.metainfo.xml" || fail=1
else
    echo "appstreamcli not installed: metainfo not validated"
fi

if [ "$fail" -ne 0 ]; then
    echo "installation incomplete"
    exit 1
fi
echo "installation complete"
