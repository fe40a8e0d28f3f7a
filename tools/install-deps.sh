#!/usr/bin/env bash
# install-deps.sh: installs, as root on Debian 12, everything that building and
# testing xunzhi needs: both toolchains, googletest, Wine with its 32-bit half,
# a headless X server and the zh_CN.UTF-8 locale. Quick when all is there.
set -euo pipefail

packages=(
    cmake make g++ pkg-config
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev valgrind
    g++-mingw-w64-i686 mingw-w64-i686-dev binutils-mingw-w64-i686
    wine wine32:i386 wine64
    xvfb xauth xdotool x11-utils imagemagick
    locales fonts-wqy-microhei fonts-wine procps
)

need_root() {
    if [ "$(id -u)" != 0 ]; then
        echo "install-deps.sh: $1; run me as root" >&2
        exit 1
    fi
}

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    need_root "missing packages: ${missing[*]}"
    echo "install-deps.sh: installing ${missing[*]}"
    # Without i386 there is no wine32, and 32-bit programs do not start.
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The program's texts are code page 936: Wine shows them only in a GBK-capable locale.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
    need_root "the zh_CN.UTF-8 locale is missing"
    if grep -q '^# *zh_CN.UTF-8 UTF-8' /etc/locale.gen; then
        sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    elif ! grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen; then
        echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
    fi
    locale-gen
fi
