#!/usr/bin/env bash
# Installs the Debian packages the builds and tests need, and Debian's zlib source that the
# cross build compiles; does nothing when all are present.
set -euo pipefail

packages=(cmake make g++ libgtest-dev zlib1g-dev libtoml11-dev dpkg-dev g++-mingw-w64-i686 pigz
          bzip2 wine wine32:i386 wine64 xvfb imagemagick x11-utils clang libclang-rt-14-dev openssl
          osslsigncode)
# The cross build's zlib: compiled from this folder (see cmake/zlib.cmake).
zlib_source=${TESSARK_ZLIB_SOURCE:-/usr/local/src/tessark-zlib}

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# zlib's source package, the version the release's zlib1g is built from. apt checks it against
# the signed source index; a private source list, state and cache in a temporary folder leave
# the system's apt configuration as it was.
if [ ! -f "$zlib_source/inflate.c" ]; then
  echo "Fetching Debian's zlib source into $zlib_source"
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]" \
       "http://deb.debian.org/debian $codename main" > "$work/sources.list"
  mkdir -p "$work/lists/partial" "$work/cache/archives/partial"
  apt_private=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/dev/null
               -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache"
               -o APT::Sandbox::User=root)
  apt-get "${apt_private[@]}" -qq update
  (cd "$work" && apt-get "${apt_private[@]}" -qq source --download-only zlib)
  orig=$(ls "$work"/zlib_*.orig.tar.* | head -n 1)
  $sudo mkdir -p "$zlib_source"
  $sudo tar -xf "$orig" -C "$zlib_source" --strip-components=1
fi
