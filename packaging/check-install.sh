#!/usr/bin/env bash
# Checks what a user gets from an installation of an already built tree:
#   packaging/check-install.sh BUILD_DIR [--package]
# installs BUILD_DIR into a staging prefix, runs the installed tavo on an
# example from another folder with nothing beside the programs, checks that
# no path of the build or source folder is compiled into them, validates the
# desktop entry, metainfo, MIME and icon files, and reads the manual pages.
# With --package it also builds the Debian package and lists it.
set -euo pipefail

build=$(cd "${1:?usage: check-install.sh BUILD_DIR [--package]}" && pwd)
package=${2:-}
src=$(cd "$(dirname "$0")/.." && pwd)
stage=$(mktemp -d "${TMPDIR:-/tmp}/tavo-install.XXXXXX")
trap 'rm -rf "$stage"' EXIT
prefix=$stage/usr
app=org.tavo.Editor

fail() { echo "check-install: $*" >&2; exit 1; }
for tool in desktop-file-validate appstreamcli xmllint update-mime-database man strings; do
  command -v "$tool" >/dev/null || fail "$tool is missing (./build.sh installs it)"
done

cmake --install "$build" --prefix "$prefix" --strip >/dev/null
for f in bin/tavo bin/tavo-panel share/tavo/ormed_EN.dat share/tavo/ormed_CH.dat \
         share/tavo/ormed_Ptc.dat share/man/man1/tavo.1 share/man/man1/tavo-panel.1 \
         share/mime/packages/$app.xml; do
  [ -f "$prefix/$f" ] || fail "$f was not installed"
done
editor=0
[ -f "$prefix/bin/tavo-editor" ] && editor=1

# The installed programs, run from another folder, find their data files
# under ../share/tavo and nothing of the build.
work=$stage/work
mkdir "$work"
cp "$src/examples/all-elements.orx" "$work/"
(
  cd "$work"
  unset TAVO_DATA_DIR
  "$prefix/bin/tavo" --version | grep -qx 'tavo [0-9.]*' || fail "tavo --version"
  "$prefix/bin/tavo-panel" --version | grep -qx 'tavo-panel [0-9.]*' || fail "tavo-panel --version"
  "$prefix/bin/tavo" compile all-elements.orx -o image.bin --driver-out driver.bin \
    --on-warning continue >/dev/null || fail "the installed tavo cannot compile an example"
  [ -s image.bin ] && [ -s driver.bin ] || fail "compile wrote no image or driver"
  "$prefix/bin/tavo" render all-elements.orx --all -o screens 2>render.err ||
    fail "the installed tavo cannot render an example"
  [ ! -s render.err ] || fail "render: $(cat render.err)"
  [ "$(head -c 4 screens/screen-1.png | tail -c 3)" = PNG ] || fail "render wrote no PNG"
  "$prefix/bin/tavo-panel" --render image.bin -o panel.png >/dev/null ||
    fail "the installed tavo-panel cannot draw the image"
  if ((editor)); then
    QT_QPA_PLATFORM=offscreen "$prefix/bin/tavo-editor" --version | grep -qx 'tavo-editor [0-9.]*' ||
      fail "tavo-editor --version"
  fi

  # A missing font library is reported as in the build folder.
  mv "$prefix/share/tavo/ormed_EN.dat" "$stage/"
  "$prefix/bin/tavo" render all-elements.orx -o x.png 2>missing.err >/dev/null || true
  grep -q "font libraries not found ($prefix/bin/ormed_EN.dat" missing.err ||
    fail "a missing font library is not named: $(cat missing.err)"
  mv "$stage/ormed_EN.dat" "$prefix/share/tavo/"
)

for f in "$prefix"/bin/*; do
  if strings -a "$f" | grep -F -e "$build" -e "$src" >/dev/null; then
    fail "$(basename "$f") holds a path of the build: $(strings -a "$f" | grep -F -m1 -e "$build" -e "$src")"
  fi
done

# Desktop integration, each file by its own validator.
xmllint --noout "$prefix/share/mime/packages/$app.xml"
update-mime-database "$prefix/share/mime" >/dev/null 2>&1 || fail "update-mime-database failed"
[ "$(grep -c '^application/x-tavo' "$prefix/share/mime/types")" -eq 3 ] ||
  fail "the MIME database does not hold the three Tavo types"
if ((editor)); then
  [ -f "$prefix/share/tavo/tavo_app_en.qm" ] || fail "the editor's English catalogue was not installed"
  desktop-file-validate "$prefix/share/applications/$app.desktop"
  xmllint --noout "$prefix/share/metainfo/$app.metainfo.xml" \
    "$prefix/share/icons/hicolor/scalable/apps/$app.svg"
  appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$app.metainfo.xml" >/dev/null ||
    appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml"
  for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$app.png
    [ "$(file -b "$png" | cut -d, -f2)" = " $size x $size" ] || fail "$png is not $size x $size"
  done
fi

# The manual pages format without a warning.
for page in "$prefix"/share/man/man1/*.1; do
  out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "man $page"
  [ -z "$out" ] || fail "$(basename "$page"): $out"
done
echo "check-install: the installation in a staging prefix works"

if [ "$package" = --package ]; then
  (cd "$build" && cpack -G DEB >/dev/null) || fail "cpack failed"
  deb=$(ls -t "$build"/package/*.deb | head -1)
  dpkg-deb -I "$deb"
  # Read whole before searching: grep -q stops at the first match, and under
  # pipefail the listing's broken pipe would fail the check.
  contents=$(dpkg-deb -c "$deb")
  echo "$contents"
  depends=$(dpkg-deb -f "$deb" Depends)
  grep -q libqt6widgets6 <<<"$depends" || ((!editor)) ||
    fail "the package does not depend on the Qt libraries"
  grep -q "./usr/share/tavo/ormed_Ptc.dat" <<<"$contents" || fail "the package lacks the data files"
  grep -q "./usr/share/tavo/tavo_app_en.qm" <<<"$contents" || ((!editor)) ||
    fail "the package lacks the English catalogue"
fi
