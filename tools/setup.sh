#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12 (as root, or through sudo).
# Does nothing, and needs no network, when everything is already there.
set -euo pipefail

packages=(build-essential cmake qt6-base-dev qt6-svg-dev qt6-qpa-plugins qt6-multimedia-dev libgl-dev
          # lupdate and lrelease, CMake's LinguistTools, and Qt's own texts translated
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
          libbenchmark-dev fonts-ipafont-mincho fonts-liberation fonts-dejavu-core
          # the workshop's transform and formula parser
          pkg-config libkissfft-dev libmuparser-dev
          # the decoders behind the workshop's sound files (WAV, FLAC, OGG, MP3), and the FLAC
          # encoder its tests make files with
          gstreamer1.0-plugins-base gstreamer1.0-plugins-good flac
          # the sound-output test's own sound server and recorder
          pulseaudio pulseaudio-utils
          # what the check of the installed tree and of the Debian package runs
          desktop-file-utils appstream man-db dpkg-dev file lintian)

if ! command -v dpkg-query >/dev/null; then
    echo "setup: not a Debian system; install a C++17 compiler, CMake and Qt 6 by hand (see README.md)" >&2
    exit 1
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null; then
    as_root=(sudo)
else
    echo "setup: missing ${missing[*]}; run as root or install sudo" >&2
    exit 1
fi
echo "setup: installing ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
