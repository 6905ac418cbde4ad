#!/usr/bin/env bash
# make deb: the tessark command as a Debian package, tessark_VERSION_ARCH.deb, which installs
# with "apt install ./tessark_VERSION_ARCH.deb". Its dependencies are the shared libraries the
# program links, with the versions dpkg-shlibdeps works out from their symbols. Built twice
# from the same tree, it is the same file (timestamps come from the last commit).
#
#   scripts/make-deb.sh TESSARK-PROGRAM OUT-FOLDER
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
program=$1
out=$2

for tool in dpkg-deb dpkg-shlibdeps; do
  if ! command -v "$tool" > /dev/null; then
    echo "deb: $tool is missing (it comes with dpkg-dev: make deps)" >&2
    exit 1
  fi
done

version=$("$program" --version | sed -n 's/^tessark //p')
arch=$(dpkg --print-architecture)
stage=$(mktemp -d)
chmod 755 "$stage"
trap 'rm -rf "$stage"' EXIT
umask 022

"$root/scripts/install.sh" "$program" "$stage/usr" > /dev/null

# The licenses of the code the program carries: toml11 in the command, zlib in the installer
# program inside it.
doc=$stage/usr/share/doc/tessark
{
  echo "tessark is part of Tessark, by the Tessark developers."
  echo
  echo "It carries code of toml11 (reading text projects) and of zlib (in the installer"
  echo "program every setup starts with), under their licenses below."
  for package in libtoml11-dev zlib1g; do
    echo
    echo "-- $package: /usr/share/doc/$package/copyright"
    echo
    cat "/usr/share/doc/$package/copyright"
  done
} > "$doc/copyright"
chmod 644 "$doc/copyright"

# dpkg-shlibdeps reads the package's name from a debian/control beside it.
shlibs=$(mktemp -d)
mkdir "$shlibs/debian"
printf 'Source: tessark\n\nPackage: tessark\nArchitecture: any\n' > "$shlibs/debian/control"
depends=$(cd "$shlibs" && dpkg-shlibdeps -O "$stage/usr/bin/tessark" 2> /dev/null |
          sed -n 's/^shlibs:Depends=//p')
rm -rf "$shlibs"
if [ -z "$depends" ]; then
  echo "deb: dpkg-shlibdeps found no dependencies of $program" >&2
  exit 1
fi

mkdir "$stage/DEBIAN"
(cd "$stage" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) \
  > "$stage/DEBIAN/md5sums"
installed_size=$(du -sk --apparent-size "$stage/usr" | cut -f1)
cat > "$stage/DEBIAN/control" <<CONTROL
Package: tessark
Version: $version
Architecture: $arch
Maintainer: Tessark developers <tessark@example.invalid>
Installed-Size: $installed_size
Depends: $depends
Section: devel
Priority: optional
Description: builds Windows setup programs for MetaTrader 4 add-ons
 tessark builds the setup program of a MetaTrader 4 product (expert advisors,
 indicators, scripts, sounds, DLLs and other files) from a Tessark project: a
 TOML text project kept in version control, or a .eas project of the Tessark
 builder. It converts between the two, and lists, verifies and extracts the
 files of a setup. The Windows installer program is inside it; nothing else
 is needed to build a setup on Linux or in CI.
CONTROL

# Reproducible: every timestamp in the package is the last commit's time.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2> /dev/null || echo 0)
fi
export SOURCE_DATE_EPOCH
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

mkdir -p "$out"
deb=$out/tessark_${version}_${arch}.deb
dpkg-deb --root-owner-group -Zxz --build "$stage" "$deb" > /dev/null
echo "$deb"
