#!/usr/bin/env bash
# Every URL in the tracked files names one of our own hosts (tessark.com and below) or a
# reserved example name (example.com, .org, .net and below; *.example, *.test, *.invalid;
# localhost): the tree names no package host or any other outside one. Machines reach their
# package sources through their own apt configuration. Binary files are searched as well, with
# their UTF-16 text read as ASCII.
#   tests/scripts/tree_urls_test.sh SOURCE_DIR
set -uo pipefail
cd "$1" || exit 1
count=$(git ls-files | wc -l)
[ "$count" -gt 0 ] || { echo "git lists no files in $1"; exit 1; }

url='(https?|ftp)://[^][ "<>(){}`'"'"'\\|^]+'
allowed='^(([a-z0-9-]+\.)*(tessark\.com|example\.(com|org|net))|([a-z0-9-]+\.)+(example|test|invalid)|localhost)$'
found=0
while IFS= read -r match; do
  file=${match%%:*}
  address=${match#*:}
  host=${address#*://}
  host=${host%%[/:?#]*}
  host=${host##*@}
  host=$(tr 'A-Z' 'a-z' <<<"$host")
  if ! [[ $host =~ $allowed ]]; then
    echo "$file: $address"
    found=$((found + 1))
  fi
done < <({
  git ls-files -z | xargs -0 grep -saoiEH "$url"
  # Binary files (grep -I skips them): UTF-16LE text loses its zero bytes and reads as ASCII.
  git ls-files -z | xargs -0 grep -sIL --null '' | while IFS= read -r -d '' file; do
    tr -d '\000' <"$file" | grep -aoiE "$url" | sed "s|^|$file:|"
  done
} | sort -u)

if [ "$found" -ne 0 ]; then
  echo "$found URL(s) name a host other than ours and the example names"
  exit 1
fi
echo "no outside host in the $count tracked files"
