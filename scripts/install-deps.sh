#!/usr/bin/env bash
# Installs every Debian 12 package that building, running and testing Vistrelle need.
# Does nothing when all of them are already installed.
set -euo pipefail

PACKAGES=(
  # build
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-private-dev qt6-multimedia-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools
  qt6-l10n-tools qt6-translations-l10n libgl-dev
  libx11-dev libxcb1-dev libxcb-shm0-dev libxcb-keysyms1-dev libxcb-composite0-dev
  libxcb-xfixes0-dev libxcb-randr0-dev libxext-dev libxfixes-dev libpulse-dev libyuv-dev
  # run
  ffmpeg qt6-qpa-plugins libqt6multimedia6 libqt6svg6 qt6-image-formats-plugins
  fonts-noto-cjk fonts-noto-color-emoji
  # tests and benchmarks
  pulseaudio pulseaudio-utils xvfb xauth xcompmgr openbox trayer xdotool x11-utils x11-xserver-utils sox
  python3
)

missing=()
for p in "${PACKAGES[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  echo "install-deps: these Debian packages are missing:" >&2
  echo "  ${missing[*]}" >&2
  echo "install-deps: run this script as root (for example: sudo $0), or install them with apt-get." >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# Another installation under way (a second set-up started beside this one, the system's own
# updates) is waited for rather than failed on.
apt_wait=(-o DPkg::Lock::Timeout=600)
apt-get "${apt_wait[@]}" update -qq >/tmp/vistrelle-apt.log 2>&1 || { cat /tmp/vistrelle-apt.log >&2; exit 1; }
apt-get "${apt_wait[@]}" install -y -qq --no-install-recommends "${missing[@]}" >>/tmp/vistrelle-apt.log 2>&1 || { tail -n 40 /tmp/vistrelle-apt.log >&2; exit 1; }
echo "install-deps: done"
