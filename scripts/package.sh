#!/usr/bin/env bash
# Builds the Debian package of Tavo Calculator from the normal configuration (build/default):
# the two programs, their support files, the desktop launcher, icon, metadata and file types,
# and the manual pages, under /usr, with the run-time dependencies read from the programs by
# dpkg-shlibdeps. Writes build/package/tavocalc_VERSION_ARCH.deb and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default > /dev/null
cmake --build --preset default --target tavocalc tavocalc-cli tavocalc-manual -j "$(nproc)" \
  > /dev/null
out=$PWD/build/package
rm -rf "$out"
mkdir -p "$out"
cpack --config build/default/CPackConfig.cmake -B "$out" > "$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; exit 1; }
rm -rf "$out/_CPack_Packages" "$out/cpack.log"
package=$(ls "$out"/*.deb)
echo "package: ${package#"$PWD"/} ($(du -h "$package" | cut -f1))"
echo "install it with: sudo apt install ./${package#"$PWD"/}"
