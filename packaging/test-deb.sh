#!/usr/bin/env bash
# Builds the Debian package from a built tree, unpacks it into a fresh root and checks it the way
# an installer sees it: files in the standard places, dependencies that name real packages and
# cover every library the programs link, and a program that starts from the unpacked tree alone.
# Usage: test-deb.sh CPACK BUILD_DIR VERSION "PROGRAMS" "MANUAL_PAGES"
set -euo pipefail
cpack=$1 build=$2 version=$3 programs=$4 manual_pages=$5

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
passed=0 failed=0
check() { # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@" > /dev/null 2>&1; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what"; fi
}

# The package goes to a folder of its own, so the build folder's own package is left alone.
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; exit 1; }
deb=$work/tilettes_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "FAILED: cpack made no $deb"; ls "$work"; exit 1; }
dpkg-deb -x "$deb" "$root"

# Files in the standard places, and nothing outside /usr.
for program in $programs; do
  check "usr/bin/$program is a program" test -x "$root/usr/bin/$program"
  check "usr/bin/$program has no run path into the build tree" \
    bash -c "! readelf -d '$root/usr/bin/$program' | grep -q PATH"
done
desktop=$root/usr/share/applications/tilettes.desktop
check "the desktop entry is valid" desktop-file-validate "$desktop"
check "the desktop entry passes the file it is opened with" grep -qx 'Exec=tilettes %f' "$desktop"
metainfo=$root/usr/share/metainfo/org.ambergate.Tilettes.metainfo.xml
check "the AppStream file is valid" appstreamcli validate --no-net "$metainfo"
desktop_type=$(sed -n 's/^MimeType=\([^;]*\);$/\1/p' "$desktop")
check "the AppStream file launches the desktop entry" \
  grep -q '<launchable type="desktop-id">tilettes.desktop</launchable>' "$metainfo"
check "the AppStream file provides the setup file type" \
  grep -q "<mediatype>${desktop_type:-none}</mediatype>" "$metainfo"
for size in 16 32 48 64 128 256; do
  check "the ${size} px icon is a ${size} x ${size} PNG" bash -c \
    "file '$root/usr/share/icons/hicolor/${size}x${size}/apps/tilettes.png' | grep -q 'PNG image data, $size x $size'"
done
check "the scalable icon is an SVG" bash -c \
  "file '$root/usr/share/icons/hicolor/scalable/apps/tilettes.svg' | grep -q SVG"
for page in $manual_pages; do
  check "man1/$page is a gzip file" gzip -t "$root/usr/share/man/man1/$page"
done
for program in $programs; do
  check "$program has a manual page that man reads without a warning" bash -c \
    "set -o pipefail; warnings=\$(zcat '$root/usr/share/man/man1/$program.1.gz' | groff -man -ww -z 2>&1) && [ -z \"\$warnings\" ]"
done
copyright=$root/usr/share/doc/tilettes/copyright
check "the copyright file is in the machine-readable format" \
  grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$copyright"
check "the copyright file covers every file and names its licence" bash -c \
  "grep -qx 'Files: \\*' '$copyright' && grep -q '^License: .' '$copyright'"
check "every file is under /usr" bash -c "! dpkg-deb -c '$deb' | awk '{print \$6}' | grep -v -e '^\./\$' -e '^\./usr/'"

# The MIME type the desktop entry opens is the one the MIME package gives *.agt files.
mkdir -p "$work/mime/packages"
cp "$root/usr/share/mime/packages/tilettes.xml" "$work/mime/packages/"
update-mime-database "$work/mime" > /dev/null 2>&1 || true
mime_type=$(sed -n 's/^MimeType=\([^;]*\);$/\1/p' "$desktop")
check "*.agt files are of the type the desktop entry opens ($mime_type)" \
  grep -q ":${mime_type:-none}:\*\.agt$" "$work/mime/globs2"

# Dependencies: the libraries the programs link, by the packages that hold them, and every
# package named can be had from the archive.
depends=$(dpkg-deb -f "$deb" Depends)
recommends=$(dpkg-deb -f "$deb" Recommends)
package_names() { echo "$1" | tr ',|' '\n\n' | sed 's/(.*)//; s/ //g' | grep .; }
for piece in libqt6 libjpeg qt6-qpa-plugins fonts-liberation2; do
  check "Depends names $piece" grep -q "$piece" <<< "$depends"
done
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for program in $programs; do
  for library in $(readelf -d "$root/usr/bin/$program" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p'); do
    holders=$(dpkg -S "*/$multiarch/$library" 2> /dev/null | sed 's/: \/.*//' | tr ',' '\n' | sed 's/:.*//; s/ //g' | sort -u)
    check "Depends covers $library (held by $(echo $holders))" \
      grep -qxF -f <(echo "$holders") <(package_names "$depends")
  done
done
available() {
  dpkg-query -W -f='${Status}' "$1" 2> /dev/null | grep -q 'install ok installed' \
    || apt-cache policy "$1" 2> /dev/null | grep -q 'Candidate: [^(]'
}
for package in $(package_names "$depends") $(package_names "$recommends"); do
  check "$package is installed or can be installed" available "$package"
done

# The batch program starts from the unpacked tree with nothing of the build or a desktop around it.
if [[ " $programs " == *" tilettes-batch "* ]]; then
  check "tilettes-batch --version prints 'tilettes-batch $version'" bash -c \
    "[ \"\$(env -u LD_LIBRARY_PATH -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
      '$root/usr/bin/tilettes-batch' --version)\" = 'tilettes-batch $version' ]"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
