#!/usr/bin/env bash
# make install: the installed tessark runs from anywhere, alone, and builds the same setup as
# the one in the build tree; the examples it installs build as they are.
#   install_test.sh TESSARK-PROGRAM SOURCE-TREE
. "$(dirname "$0")/checks.sh"

# As "make install DESTDIR=$work/stage PREFIX=/opt/tessark" does it.
prefix=$work/stage/opt/tessark
check "install.sh installs below the prefix" "$root/scripts/install.sh" "$tessark" "$prefix"
for file in bin/tessark share/doc/tessark/README.md share/doc/tessark/examples/sample.toml \
            share/doc/tessark/examples/sample/MovingCross.ex4 \
            share/doc/tessark/examples/ci/build-setup.sh \
            share/doc/tessark/examples/ci/github-actions.yml; do
  check "installed $file" test -f "$prefix/$file"
done
check "the installed tessark is executable and stripped" \
  bash -c "[ -x '$prefix/bin/tessark' ] && ! readelf -S '$prefix/bin/tessark' | grep -q '\.symtab'"

# From another folder, with nothing of the build tree on the path.
mkdir -p "$work/elsewhere"
cd "$work/elsewhere"
run_installed() { env -i PATH="$prefix/bin:/usr/bin:/bin" HOME="$work" tessark "$@"; }
check "the installed tessark builds the installed example" \
  run_installed build "$prefix/share/doc/tessark/examples/sample.toml" -o Installed.exe
check "and verifies it" run_installed verify Installed.exe
check "the build tree's tessark builds the same example" \
  "$tessark" build "$root/examples/sample.toml" -o Tree.exe
check "into the same bytes" cmp Installed.exe Tree.exe
finish
