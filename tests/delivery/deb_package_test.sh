#!/usr/bin/env bash
# make deb: the package names every shared library the program needs as a dependency with a
# version this machine satisfies, apt would install it, it is the same file when made again,
# and the tessark unpacked from it builds and verifies a setup from its own example.
#   deb_package_test.sh TESSARK-PROGRAM SOURCE-TREE
. "$(dirname "$0")/checks.sh"

check "make-deb.sh makes the package" "$root/scripts/make-deb.sh" "$tessark" "$work/out"
deb=$(ls "$work"/out/tessark_*.deb 2> /dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAILED: no package was made"; exit 1; }
version=$("$tessark" --version | sed -n 's/^tessark //p')
check "named after the version and architecture" \
  test "$(basename "$deb")" = "tessark_${version}_$(dpkg --print-architecture).deb"

check "the control fields are readable" dpkg-deb -f "$deb" Package Version Depends
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
check "Package and Version" test "$(dpkg-deb -f "$deb" Package Version)" \
  = "$(printf 'Package: tessark\nVersion: %s' "$version")"

# Every library the program links comes from a package in Depends, with a minimum version
# that the installed package meets.
dpkg-deb -x "$deb" "$work/root"
dpkg-deb -e "$deb" "$work/root/DEBIAN"
arch=$(dpkg --print-architecture)
needed=$(objdump -p "$work/root/usr/bin/tessark" | awk '$1 == "NEEDED" {print $2}')
check "the program links shared libraries" test -n "$needed"
# The dependency on `package`, such as "zlib1g (>= 1:1.2.0)", or nothing.
dependency() { tr ',' '\n' <<< "$depends" | sed 's/^ *//' | awk -v p="$1" '$1 == p' | head -n 1; }
for library in $needed; do
  file=$(ldconfig -p | awk -v lib="$library" '$1 == lib {print $NF; exit}')
  real=$(readlink -f "$file")
  owner=""
  # With /usr merged, a library lies below both /lib and /usr/lib; dpkg knows one of them.
  for candidate in "$file" "$real" "${file#/usr}" "${real#/usr}" "/usr$file" "/usr$real"; do
    owner=$(dpkg -S "$candidate" 2> /dev/null | head -n 1 | cut -d: -f1)
    [ -n "$owner" ] && break
  done
  check "$library comes from a package ($owner)" test -n "$owner"
  entry=$(dependency "$owner")
  check "$owner is a dependency with a minimum version ($entry)" \
    grep -qE '^[a-z0-9.+-]+ \(>= [^)]+\)$' <<< "$entry"
  minimum=$(sed -E 's/.*\(>= ([^)]+)\)/\1/' <<< "$entry")
  installed=$(dpkg-query -W -f '${Version}' "$owner:$arch" 2> /dev/null)
  check "the installed $owner $installed is at least $minimum" \
    dpkg --compare-versions "$installed" ge "$minimum"
done
for package in libc6 libgcc-s1 libstdc++6 zlib1g; do
  check "$package is among the dependencies" test -n "$(dependency "$package")"
done

check "every file matches the package's md5sums" \
  bash -c "cd '$work/root' && md5sum --quiet -c DEBIAN/md5sums"
if command -v apt-get > /dev/null; then
  check "apt would install it" apt-get -s -qq install "$deb"
fi
check "made again" "$root/scripts/make-deb.sh" "$tessark" "$work/again"
check "it is the same file" cmp "$deb" "$work/again/$(basename "$deb")"

# The unpacked command, from another folder.
mkdir -p "$work/elsewhere"
cd "$work/elsewhere"
packaged=$work/root/usr/bin/tessark
example=$work/root/usr/share/doc/tessark/examples/sample.toml
check "the packaged tessark builds its example" "$packaged" build "$example" -o Setup.exe
check "and verifies the setup" "$packaged" verify Setup.exe
check "which holds the twelve files" bash -c "'$packaged' list Setup.exe | grep -c '^ *[0-9]' | grep -qx 12"
finish
