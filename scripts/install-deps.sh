#!/bin/sh
# Installs the Debian packages the client and its tests need, when any is missing.
# Idempotent: a machine that already has everything is left alone.
set -eu

PACKAGES="
build-essential cmake ninja-build ccache pkg-config
qt6-base-dev qt6-base-dev-tools qt6-scxml-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
libqt6svg6 qt6-svg-dev qt6-qpa-plugins
libace-dev libssl-dev openssl
libprotobuf-dev protobuf-compiler
libhunspell-dev hunspell-en-us
breeze-icon-theme fonts-material-design-icons-iconfont
libboost-dev libboost-date-time-dev
xvfb xauth x11-utils xdotool fonts-dejavu-core
libbenchmark-dev
clang libclang-rt-14-dev clang-format
"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -n "$missing" ]; then
    echo "Installing missing packages:$missing"
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update
    # shellcheck disable=SC2086
    $SUDO apt-get install -y --no-install-recommends $missing
fi
