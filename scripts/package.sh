#!/usr/bin/env bash
# Builds the Debian package from $BUILD (default build/, configured here for
# /usr), checks it with lintian, installs it with apt and renders the default
# creature and an example with the installed vermora-cli, away from the tree.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
# The man pages name the installed data folder, so the build is made for the package's.
cmake -S . -B "$BUILD" -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$BUILD" >/dev/null
rm -f "$BUILD"/vermora_*.deb
(cd "$BUILD" && cpack -G DEB >/dev/null 2>&1)
deb=$(ls "$BUILD"/vermora_*.deb)
lintian --pedantic --fail-on error,warning "$deb"
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "./$deb" >/dev/null
out=$(mktemp -d)
(cd "$out" && env -u VERMORA_DATA /usr/bin/vermora-cli render -o default.png --width 64 --height 48 >/dev/null \
  && env -u VERMORA_DATA /usr/bin/vermora-cli examples coral-wheel -o coral.vmx >/dev/null \
  && env -u VERMORA_DATA /usr/bin/vermora-cli render coral.vmx -o coral.png --width 64 --height 48 >/dev/null \
  && env -u VERMORA_DATA /usr/bin/vermora-cli extract coral.png -o back.vmx >/dev/null && cmp coral.vmx back.vmx \
  && /usr/bin/vermora-cli mesh coral.vmx -o coral.glb >/dev/null && test -s coral.glb)
test "$(identify -format '%k' "$out/coral.png")" -gt 8  # a picture, not a blank
desktop-file-validate /usr/share/applications/org.lumenfold.vermora.desktop
appstreamcli validate --no-net --pedantic /usr/share/metainfo/org.lumenfold.vermora.metainfo.xml >/dev/null
for page in vermora vermora-cli; do dpkg -L vermora | grep -qx "/usr/share/man/man1/$page.1.gz"; done
# A set is known by its first lines, without its extension.
cp "$out/coral.vmx" "$out/coral"
test "$(gio info -a standard::content-type "$out/coral" | awk '/content-type/ {print $2}')" = application/x-vermora-set
rm -rf "$out"
echo "installed $deb; lintian finds nothing to warn of; the installed vermora-cli renders"
