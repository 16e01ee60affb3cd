#!/usr/bin/env bash
# Builds the Debian package rumbela_<version>_<arch>.deb into build-package/:
# the programs, the library, the shipped data, the headers and the desktop
# files, installed under /usr. Install it with: apt-get install ./build-package/rumbela_*.deb
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
configure_and_build build-package -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX=/usr
(cd "$ROOT/build-package" && cpack -G DEB)
ls "$ROOT"/build-package/*.deb
