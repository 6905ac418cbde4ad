#!/usr/bin/env bash
# Installs the Debian packages the builds and tests need, and Debian's zlib source that the
# cross build compiles; does nothing when all are present.
#
#   scripts/install-deps.sh
#   scripts/install-deps.sh --debian-sources APT_DIR CODENAME
#       prints the deb-src list that zlib's source is fetched through, derived from the apt
#       sources below APT_DIR (as /etc/apt) for the release CODENAME, and nothing else
set -euo pipefail

# The deb-src list (deb822) for the sources of release CODENAME among the apt sources below
# APT_DIR: sources.list, sources.list.d/*.list and sources.list.d/*.sources, the files apt
# reads (others there, such as "x.sources.disabled", are not). An entry counts when it is
# enabled, of type deb or deb-src, and has components and a suite that holds the release's
# zlib: CODENAME or CODENAME-updates (its point releases). Third-party repositories name
# suites of their own; the security archive and backports carry later versions. Each entry
# becomes a stanza with the same URIs, those suites, the same components and the same
# Signed-By key. Names each file it took on standard error; fails with a message when no file
# has such an entry.
debian_source_list() {
  local apt_dir=$1 codename=$2 file stanzas
  local parts=("$apt_dir"/sources.list.d/*.list "$apt_dir"/sources.list.d/*.sources)
  local out
  out=$(
    for file in "$apt_dir/sources.list" "${parts[@]}"; do
      [ -f "$file" ] || continue
      stanzas=$(release_stanzas "$file" "$codename")
      [ -n "$stanzas" ] || continue
      printf '%s\n\n' "$stanzas"
      echo "Debian's zlib source comes through the sources in $file" >&2
    done | awk -v RS= '!seen[$0]++ { printf "%s%s\n", (n++ ? "\n" : ""), $0 }'
  )
  if [ -z "$out" ]; then
    echo "No Debian archive for \"$codename\" among the apt sources in $apt_dir" \
         "(sources.list, sources.list.d/*.list, sources.list.d/*.sources): zlib's source" \
         "cannot be fetched. Add the release's Debian archive to them, or unpack zlib's" \
         "source into the folder that TESSARK_ZLIB_SOURCE names." >&2
    return 1
  fi
  printf '%s\n' "$out"
}

# The stanzas of one source file that describe release CODENAME, as deb-src stanzas.
release_stanzas() {
  local format=classic
  case $1 in *.sources) format=deb822 ;; esac
  awk -v format="$format" -v codename="$2" '
    function release_suites(list,    n, i, s, kept) {
      n = split(list, s, /[ \t]+/)
      kept = ""
      for (i = 1; i <= n; i++) {
        if (s[i] == codename || s[i] == codename "-updates")
          kept = kept (kept == "" ? "" : " ") s[i]
      }
      return kept
    }
    function has_word(list, word,    n, i, w) {
      n = split(list, w, /[ \t]+/)
      for (i = 1; i <= n; i++) if (w[i] == word) return 1
      return 0
    }
    function trim(s) {
      sub(/^[ \t]+/, "", s)
      sub(/[ \t]+$/, "", s)
      return s
    }
    function emit(uris, suites, components, key) {
      suites = release_suites(suites)
      if (uris == "" || suites == "" || components == "") return
      printf "%sTypes: deb-src\nURIs: %s\nSuites: %s\nComponents: %s\n", \
             (emitted++ ? "\n" : ""), uris, suites, components
      if (key != "") printf "Signed-By:%s\n", key
    }
    # deb822: fields "Name: value", continued on lines that start with a blank; a blank line
    # ends a stanza.
    function end_stanza() {
      if (tolower(trim(field["enabled"])) !~ /^(no|false|off|without|disable)$/ &&
          (has_word(field["types"], "deb") || has_word(field["types"], "deb-src")))
        emit(trim(field["uris"]), trim(field["suites"]), trim(field["components"]),
             field["signed-by"])
      split("", field)
      name = ""
    }
    format == "deb822" && /^#/ { next }
    format == "deb822" && /^[ \t]*$/ { end_stanza(); next }
    format == "deb822" && /^[ \t]/ { if (name != "") field[name] = field[name] "\n" $0; next }
    format == "deb822" {
      colon = index($0, ":")
      if (colon == 0) next
      name = tolower(substr($0, 1, colon - 1))
      field[name] = substr($0, colon + 1)
      next
    }
    # One-line entries: "deb [option=value ...] URI SUITE COMPONENT..."; "#" starts a comment.
    {
      sub(/#.*/, "")
      if ($1 != "deb" && $1 != "deb-src") next
      key = ""
      i = 2
      if ($2 ~ /^\[/) {
        options = ""
        for (; i <= NF; i++) {
          options = options " " $i
          if ($i ~ /\]$/) { i++; break }
        }
        gsub(/[\[\]]/, " ", options)
        n = split(options, o, /[ \t]+/)
        for (j = 1; j <= n; j++) if (o[j] ~ /^signed-by=/) key = " " substr(o[j], 11)
      }
      if (NF < i + 2) next
      components = $(i + 2)
      for (j = i + 3; j <= NF; j++) components = components " " $j
      emit($i, $(i + 1), components, key)
    }
    END { if (format == "deb822") end_stanza() }
  ' "$1"
}

if [ "${1:-}" = --debian-sources ]; then
  if [ $# -ne 3 ]; then
    echo "usage: scripts/install-deps.sh --debian-sources APT_DIR CODENAME" >&2
    exit 2
  fi
  debian_source_list "$2" "$3"
  exit
fi

packages=(cmake make g++ libgtest-dev zlib1g-dev libtoml11-dev dpkg-dev g++-mingw-w64-i686
          g++-mingw-w64-x86-64-win32 pigz bzip2 wine wine32:i386 wine64 xvfb imagemagick x11-utils
          clang clang-format libclang-rt-14-dev openssl osslsigncode locales fonts-wqy-microhei)
# The language tests run the setup as a user of each language it speaks: in that language's
# locale, with a font for the Chinese, Japanese and Korean scripts (fonts-wqy-microhei).
locales=(ru_RU zh_CN zh_TW ja_JP ko_KR es_ES pt_BR de_DE fr_FR it_IT tr_TR id_ID pl_PL vi_VN)
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

for name in "${locales[@]}"; do
  if ! locale -a 2>/dev/null | grep -qx "$name.utf8"; then
    echo "Generating the locale $name.UTF-8"
    $sudo localedef -c -i "$name" -f UTF-8 "$name.UTF-8" || true
    locale -a | grep -qx "$name.utf8" || { echo "cannot generate the locale $name.UTF-8" >&2; exit 1; }
  fi
done

# zlib's source package, the version the release's zlib1g is built from, fetched through the
# system's own Debian sources. apt checks it against the signed source index; a private source
# list, state and cache in a temporary folder leave the system's apt configuration as it was.
if [ ! -f "$zlib_source/inflate.c" ]; then
  echo "Fetching Debian's zlib source into $zlib_source"
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  if [ -z "$codename" ]; then
    echo "/etc/os-release names no release (VERSION_CODENAME): zlib's source cannot be" \
         "fetched; put it into TESSARK_ZLIB_SOURCE." >&2
    exit 1
  fi
  mkdir -p "$work/sources.list.d" "$work/lists/partial" "$work/cache/archives/partial"
  debian_source_list /etc/apt "$codename" > "$work/sources.list.d/debian.sources"
  apt_private=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$work/sources.list.d"
               -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache"
               -o APT::Sandbox::User=root)
  apt-get "${apt_private[@]}" -qq update
  (cd "$work" && apt-get "${apt_private[@]}" -qq source --download-only zlib)
  orig=$(ls "$work"/zlib_*.orig.tar.* | head -n 1)
  $sudo mkdir -p "$zlib_source"
  $sudo tar -xf "$orig" -C "$zlib_source" --strip-components=1
fi
