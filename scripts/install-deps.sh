#!/usr/bin/env bash
# Installs what building, running and testing Toribe need on Debian 12.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev libfontconfig-dev libgtest-dev libbenchmark-dev
          fonts-ipafont-gothic fonts-ipafont-mincho fonts-dejavu-core xvfb xauth
          qt6-translations-l10n desktop-file-utils
          libical-dev liberfa-dev libicu-dev poppler-utils qtkeychain-qt6-dev)
# The fuzz targets: clang with its libFuzzer and sanitizer runtimes.
packages+=(clang libclang-rt-14-dev)
# The package and its checks: dpkg-shlibdeps (dpkg-dev), lintian, the metainfo validator.
packages+=(dpkg-dev file lintian appstream)
# Qt's Wayland platform, and the compositor and accessibility bus its test runs on.
packages+=(qt6-wayland weston dbus at-spi2-core python3-pyatspi)
# The sync: Qt Network's TLS through OpenSSL; the tests run Radicale, with curl as the phone
# and openssl making the certificate.
packages+=(radicale curl openssl)
# The screen-reader walk of every window: windows opened and closed as a person would.
packages+=(xdotool openbox)
# ccache keeps the second (sanitizer) build and rebuilds quick.
packages+=(ccache)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# npm installs the published holiday list that the holiday-law test compares with.
command -v npm >/dev/null 2>&1 || missing+=(nodejs npm)
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi
