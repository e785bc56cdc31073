#!/usr/bin/env bash
# Builds the Debian package, validates the desktop metadata, installs the package and runs the
# installed programs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh dpkg-dev file appstream desktop-file-utils
build_dir=${VELNARO_BUILD_DIR:-build}
scripts/build.sh >/dev/null

desktop-file-validate data/org.velnaro.velnaro.desktop
appstreamcli validate --no-net --pedantic "$build_dir/data/org.velnaro.velnaro.metainfo.xml"

rm -f "$build_dir"/velnaro_*.deb
(cd "$build_dir" && cpack -G DEB)
package=$(ls "$build_dir"/velnaro_*.deb)
dpkg-deb --info "$package" | grep -E 'Package|Version|Depends'
DEBIAN_FRONTEND=noninteractive apt-get install -y --reinstall "./$package"

/usr/bin/velnaro-calc --version
/usr/bin/velnaro --version
shot=$(mktemp --suffix=.png)
QT_QPA_PLATFORM=offscreen /usr/bin/velnaro --screenshot "$shot"
file "$shot" | grep -q 'PNG image data, 792 x 544' || { file "$shot"; exit 1; }
rm -f "$shot"
for path in /usr/share/applications/org.velnaro.velnaro.desktop \
    /usr/share/metainfo/org.velnaro.velnaro.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/org.velnaro.velnaro.svg \
    /usr/share/man/man1/velnaro.1.gz /usr/share/man/man1/velnaro-calc.1.gz; do
    [ -f "$path" ] || { echo "missing after install: $path" >&2; exit 1; }
done
echo "package $package installs and runs"
