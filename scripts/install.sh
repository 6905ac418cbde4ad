#!/usr/bin/env bash
# make install (and make deb): puts the tessark command, which carries the installer program
# inside it, and its documentation and examples below a prefix.
#
#   scripts/install.sh TESSARK-PROGRAM PREFIX
#
#   PREFIX/bin/tessark
#   PREFIX/share/doc/tessark/README.md
#   PREFIX/share/doc/tessark/examples/   sample.toml and the sample product, ci/ (the CI recipe)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
program=$1
prefix=$2

if [ ! -x "$program" ]; then
  echo "install: $program is missing; build it first (make host)" >&2
  exit 1
fi
# A tessark built without the installer program inside (the cross build missing) can build a
# setup only with --stub: not one to install.
check=$(mktemp -d)
trap 'rm -rf "$check"' EXIT
printf 'stand-in expert\n' > "$check/a.ex4"
printf '[files]\nexperts = ["a.ex4"]\n' > "$check/p.toml"
if ! "$program" build "$check/p.toml" -o "$check/Setup.exe" > /dev/null; then
  echo "install: $program cannot build a setup on its own; build the Windows programs first" \
       "(make win host)" >&2
  exit 1
fi

doc=$prefix/share/doc/tessark
install -d "$prefix/bin" "$doc/examples/sample" "$doc/examples/ci"
install -m 755 -s "$program" "$prefix/bin/tessark"
install -m 644 "$root/README.md" "$doc/README.md"
install -m 644 "$root/examples/sample.toml" "$doc/examples/sample.toml"
install -m 644 "$root"/examples/sample/* "$doc/examples/sample/"
install -m 755 "$root/examples/ci/build-setup.sh" "$doc/examples/ci/build-setup.sh"
install -m 644 "$root/examples/ci/github-actions.yml" "$doc/examples/ci/github-actions.yml"
echo "Installed $prefix/bin/tessark"
