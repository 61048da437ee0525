#!/usr/bin/env bash
# Builds the Debian package from build/, installs it with apt and renders the
# default creature and an example with the installed vermora-cli, away from the tree.
set -euo pipefail
cd "$(dirname "$0")/.."
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
rm -f build/vermora_*.deb
(cd build && cpack -G DEB >/dev/null 2>&1)
deb=$(ls build/vermora_*.deb)
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "./$deb" >/dev/null
out=$(mktemp -d)
(cd "$out" && env -u VERMORA_DATA /usr/bin/vermora-cli render -o default.png --width 64 --height 48 >/dev/null \
  && env -u VERMORA_DATA /usr/bin/vermora-cli examples coral-wheel -o coral.vmx >/dev/null \
  && env -u VERMORA_DATA /usr/bin/vermora-cli render coral.vmx -o coral.png --width 64 --height 48 >/dev/null \
  && env -u VERMORA_DATA /usr/bin/vermora-cli extract coral.png -o back.vmx >/dev/null && cmp coral.vmx back.vmx \
  && /usr/bin/vermora-cli mesh coral.vmx -o coral.glb >/dev/null && test -s coral.glb)
test "$(identify -format '%k' "$out/coral.png")" -gt 8  # a picture, not a blank
desktop-file-validate /usr/share/applications/org.lumenfold.vermora.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.lumenfold.vermora.metainfo.xml >/dev/null
dpkg -L vermora | grep -q "man1/vermora-cli.1"
rm -rf "$out"
echo "installed $deb; the installed vermora-cli renders"
