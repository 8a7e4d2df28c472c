#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the build, the tests and the demo need,
# and only those that are missing. Safe to run again.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qtbase5-dev qttools5-dev qttools5-dev-tools libqt5serialport5-dev libqt5svg5-dev
    libqt5sql5-sqlite
    # The team archive: Qt SQL's PostgreSQL driver, the keyring, and the server and openssl its
    # test starts (tests/PostgresServer.cpp).
    libqt5sql5-psql qtkeychain-qt5-dev postgresql-15 openssl
    qttranslations5-l10n
    xdg-utils
    # The report tests read the PDF's text (pdftotext).
    poppler-utils
    # The Debian package and its checks (tools/package.sh, tools/check-package.sh).
    dpkg-dev lintian desktop-file-utils appstream man-db file xvfb xauth xdotool
)
# Extra packages a caller asks for (for example the Windows cross-check).
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
