#!/usr/bin/env bash
# Builds the Debian package from the build (CPack), unpacks it without installing it, and runs
# the unpacked tavocalc-cli: --version, and evaluate on a copy of the sample project.
#   check_package.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1
source=$(cd "$2" && pwd)
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1 ||
  fail "cpack: $(cat "$work/cpack.log")"
package=$(ls "$work"/tavocalc_"$version"_*.deb)
depends=$(dpkg-deb -f "$package" Depends)
for needed in libc6 libqt6widgets6 libqt6printsupport6 libjpeg62-turbo fonts-liberation2; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
dpkg-deb -x "$package" "$work/root"
cli=$work/root/usr/bin/tavocalc-cli
[[ -x "$work/root/usr/bin/tavocalc" ]] || fail "no tavocalc in the package"
[[ -f "$work/root/usr/share/man/man1/tavocalc-cli.1.gz" ]] || fail "no manual page in the package"
[[ "$("$cli" --version)" == "tavocalc-cli (Tavo Calculator) $version" ]] ||
  fail "--version printed: $("$cli" --version)"
mkdir "$work/elsewhere"
cp "$source"/examples/Sample.* "$work/elsewhere/"
(cd "$work/elsewhere" && "$cli" evaluate Sample.tav > out.txt 2> err.txt) ||
  fail "evaluate: $(cat "$work/elsewhere/err.txt")"
cmp -s "$work/elsewhere/out.txt" "$source/tests/cli/cases/sample.out" ||
  fail "evaluate printed: $(cat "$work/elsewhere/out.txt")"
echo "$(basename "$package"): $(stat -c %s "$package") bytes; Depends: $depends"
