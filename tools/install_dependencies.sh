#!/usr/bin/env bash
# Installs whichever of the Debian packages the program and its tests need are
# missing. Run as root on Debian 12.
set -euo pipefail

packages=(
  # building
  g++ cmake make pkg-config
  libsdl2-dev libcairo2-dev libpango1.0-dev libfontconfig-dev libjpeg-dev libgif-dev
  # running: the Chinese faces and the opener of the author's site
  fonts-wqy-zenhei fonts-arphic-ukai fonts-dejavu-core xdg-utils
)
if [[ "${1:-}" == "--tests" ]]; then
  packages+=(googletest libgtest-dev libgmock-dev libbenchmark-dev xvfb xdotool x11-utils imagemagick)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  if [[ $(id -u) -ne 0 ]]; then
    echo "Packages are missing and this is not root: run as root, or install them yourself." >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  log=$(mktemp)
  if ! { apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    tail -n 30 "$log" >&2
    echo "Installing the packages failed (full log: $log)." >&2
    exit 1
  fi
  rm -f "$log"
fi

# giflib before 5.2.1-2.5+deb12u1 has decoding flaws.
version=$(dpkg-query -W -f='${Version}' libgif-dev)
if dpkg --compare-versions "$version" lt "5.2.1-2.5+deb12u1"; then
  echo "libgif-dev $version is too old; 5.2.1-2.5+deb12u1 or later is needed." >&2
  exit 1
fi
