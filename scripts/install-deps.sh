#!/usr/bin/env bash
# Installs what building, testing and rendering need (Debian packages).
set -euo pipefail
packages=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev libgl1-mesa-dri povray povray-includes xvfb xauth qt6-qpa-plugins parallel
          imagemagick openbox clang clang-tidy libclang-rt-14-dev libcli11-dev libpng-dev libassimp-dev help2man
          desktop-file-utils appstream dpkg-dev file shared-mime-info openssh-server openssh-client rsync ffmpeg bubblewrap
          stress-ng hyperfine lintian libglib2.0-bin clang-format admesh libcgal-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
# The Khronos glTF validator (npm), which the tests let judge the .glb files.
if ! command -v npm >/dev/null; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends nodejs npm
fi
validator="$(dirname "$0")/../tools/gltf-validator"
[ -d "$validator/node_modules/gltf-validator" ] ||
  (cd "$validator" && npm ci --no-audit --no-fund --loglevel=error)
