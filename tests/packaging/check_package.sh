#!/bin/sh
# Installs into a clean prefix and builds the .deb, then checks what a user
# would get: the files in their places, a program that sets itself up on its
# first run with an empty home, and a package that names its dependencies.
#   check_package.sh BUILD_DIR
set -eu
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
for f in bin/hoopdeck-cli share/hoopdeck/2003-04/Season.dat share/hoopdeck/2003-04/Roster.dat \
         share/hoopdeck/2003-04/Standings.dat share/hoopdeck/Hoopdeck.html \
         share/applications/com.morvane.Hoopdeck.desktop share/metainfo/com.morvane.Hoopdeck.metainfo.xml \
         share/icons/hicolor/48x48/apps/com.morvane.Hoopdeck.png \
         share/icons/hicolor/scalable/apps/com.morvane.Hoopdeck.svg share/man/man1/hoopdeck-cli.1; do
  [ -f "$work/prefix/$f" ] || fail "cmake --install did not install $f"
done
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$work/prefix/share/metainfo/com.morvane.Hoopdeck.metainfo.xml" >/dev/null \
    || fail "the metainfo file does not validate"
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$work/prefix/share/applications/com.morvane.Hoopdeck.desktop" || fail "the desktop file does not validate"
fi

# First run with an empty home: the installed programs set the season up themselves.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME"
title=$("$work/prefix/bin/hoopdeck-cli" --tsv standings | head -n 1)
[ "$title" = "   2003-04 NBA Standings   " ] || fail "first run of hoopdeck-cli printed '$title'"
[ -f "$XDG_DATA_HOME/Morvane/Hoopdeck/Season.dat" ] || fail "the first run did not install the season"
grep -q '^Install=' "$XDG_CONFIG_HOME/Morvane/Hoopdeck.conf" || fail "the first run did not record Install"
if [ -x "$work/prefix/bin/hoopdeck" ]; then
  rm -rf "$HOME"; mkdir -p "$HOME"
  QT_QPA_PLATFORM=offscreen HOOPDECK_EXIT_WHEN_READY=1 timeout 60 "$work/prefix/bin/hoopdeck" \
    || fail "the installed hoopdeck did not start on the packaged season"
  [ -f "$XDG_DATA_HOME/Morvane/Hoopdeck/Season.dat" ] || fail "hoopdeck's first run did not install the season"
fi

# The .deb, looked at without installing it.
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null) || fail "cpack failed"
deb=$(ls "$work"/deb/hoopdeck_2.0.4_*.deb) || fail "no hoopdeck_2.0.4 .deb was made"
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/hoopdeck-cli ./usr/share/hoopdeck/2003-04/Season.dat ./usr/share/hoopdeck/Hoopdeck.html \
         ./usr/share/applications/com.morvane.Hoopdeck.desktop ./usr/share/metainfo/com.morvane.Hoopdeck.metainfo.xml \
         ./usr/share/icons/hicolor/256x256/apps/com.morvane.Hoopdeck.png; do
  echo "$contents" | grep -q " $f\$" || fail "the .deb lacks $f"
done
if [ -x "$build/bin/hoopdeck" ]; then
  echo "$contents" | grep -q " ./usr/bin/hoopdeck\$" || fail "the .deb lacks /usr/bin/hoopdeck"
fi
depends=$(dpkg-deb -f "$deb" Depends)
echo "$depends" | grep -q 'qt6-qpa-plugins' || fail "Depends lacks qt6-qpa-plugins: $depends"
echo "$depends" | grep -q 'libqt6core6' || fail "Depends lacks the Qt libraries: $depends"
[ "$(dpkg-deb -f "$deb" Version)" = "2.0.4" ] || fail "the package version is not 2.0.4"
dpkg-deb -x "$deb" "$work/extracted"
[ -x "$work/extracted/usr/bin/hoopdeck-cli" ] || fail "the .deb's hoopdeck-cli is not executable"
echo "package checks passed"
