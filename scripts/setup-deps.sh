#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Does nothing when everything is already there; uses sudo when not root.
set -euo pipefail

packages=(
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libdeflate-dev                        # the PDF's dots streams
  qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic fonts-dejavu-core fontconfig
  fonts-wqy-microhei fonts-lohit-deva   # Chinese and Korean, Hindi constellation names
  librsvg2-bin poppler-utils
  xvfb xauth
  make pkg-config
  desktop-file-utils appstream man-db   # checks of the desktop entry, metainfo and man pages
  dpkg-dev file                         # make package: dpkg-shlibdeps finds the dependencies
)

# One query for all packages: a package not installed prints no "installed" line.
installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null | awk '/ install ok installed$/ {print $1}' || true)
missing=()
for p in "${packages[@]}"; do
  if ! grep -qx "$p" <<<"$installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "These packages are missing and sudo is not available; please install them as root:" >&2
  echo "  apt-get install ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
