#!/usr/bin/env bash
# Builds the Debian package, validates the desktop metadata, runs lintian on the package, installs
# it and runs the installed programs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh dpkg-dev file appstream desktop-file-utils lintian xvfb xauth x11-utils
build_dir=${VELNARO_BUILD_DIR:-build}
scripts/build.sh >/dev/null

desktop-file-validate data/org.velnaro.velnaro.desktop
appstreamcli validate --no-net --pedantic "$build_dir/data/org.velnaro.velnaro.metainfo.xml"

rm -f "$build_dir"/velnaro_*.deb
(cd "$build_dir" && cpack -G DEB)
package=$(ls "$build_dir"/velnaro_*.deb)
dpkg-deb --info "$package" | grep -E 'Package|Version|Depends'
# Every tag printed, pedantic ones included; an error fails the check.
echo "lintian --pedantic --fail-on error $package"
lintian --pedantic --fail-on error "$package"
DEBIAN_FRONTEND=noninteractive apt-get install -y --reinstall "./$package"

/usr/bin/velnaro-calc --version
/usr/bin/velnaro-calc --batch /usr/share/doc/velnaro/examples/staff.csv >/dev/null
/usr/bin/velnaro --version
slips_pdf=$(mktemp --suffix=.pdf)
QT_QPA_PLATFORM=offscreen /usr/bin/velnaro-slips --batch /usr/share/doc/velnaro/examples/staff.csv \
    -o "$slips_pdf"
file "$slips_pdf" | grep -q 'PDF document' || { file "$slips_pdf"; exit 1; }
rm -f "$slips_pdf"
shot=$(mktemp --suffix=.png)
QT_QPA_PLATFORM=offscreen /usr/bin/velnaro --screenshot "$shot"
file "$shot" | grep -q 'PNG image data, 792 x 544' || { file "$shot"; exit 1; }
rm -f "$shot"
for path in /usr/share/applications/org.velnaro.velnaro.desktop \
    /usr/share/metainfo/org.velnaro.velnaro.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/org.velnaro.velnaro.svg \
    /usr/share/man/man1/velnaro.1.gz /usr/share/man/man1/velnaro-calc.1.gz \
    /usr/share/man/man1/velnaro-slips.1.gz /usr/share/man/man5/velnaro-rules.5.gz \
    /usr/share/velnaro/rules/2010.toml /usr/bin/velnaro-slips \
    /usr/share/doc/velnaro/README.md /usr/share/doc/velnaro/copyright \
    /usr/share/doc/velnaro/changelog.gz /usr/share/doc/velnaro/examples/staff.csv \
    /usr/share/doc/velnaro/docs/velnaro-window.png; do
    [ -f "$path" ] || { echo "missing after install: $path" >&2; exit 1; }
done
# The installed rules file is the built-in set: read with --rules it computes the same slips.
cmp <(/usr/bin/velnaro-calc --batch /usr/share/doc/velnaro/examples/staff.csv) \
    <(/usr/bin/velnaro-calc --rules /usr/share/velnaro/rules/2010.toml \
        --batch /usr/share/doc/velnaro/examples/staff.csv)
/usr/bin/velnaro-calc --show-rules | cmp - /usr/share/velnaro/rules/2010.toml
# A desktop's launcher finds the running window through StartupWMClass, which must name the
# window's WM_CLASS (instance or class) on X11.
wm_class=$(scripts/window-wm-class.sh /usr/bin/velnaro)
startup_class=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/org.velnaro.velnaro.desktop)
case "$wm_class" in
*"\"$startup_class\""*) echo "WM_CLASS $wm_class holds StartupWMClass $startup_class" ;;
*) echo "WM_CLASS $wm_class does not hold StartupWMClass $startup_class" >&2; exit 1 ;;
esac

echo "package $package installs and runs"
