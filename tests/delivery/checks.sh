# Shared by the delivery tests: a work folder removed at the end, and checks that count
# failures. Sourced with the tessark program and the source tree as $1 and $2.
set -uo pipefail
tessark=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
root=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# check DESCRIPTION COMMAND...: runs the command, which must succeed.
check() {
  local what=$1
  shift
  if "$@" > "$work/.out" 2>&1; then
    echo "ok: $what"
  else
    echo "FAILED: $what"
    sed 's/^/    /' "$work/.out"
    failures=$((failures + 1))
  fi
}

# refuse DESCRIPTION COMMAND...: runs the command, which must fail.
refuse() {
  local what=$1
  shift
  if "$@" > "$work/.out" 2>&1; then
    echo "FAILED (it succeeded): $what"
    sed 's/^/    /' "$work/.out"
    failures=$((failures + 1))
  else
    echo "ok: $what"
  fi
}

# The last command's output, for a closer look.
output() { cat "$work/.out"; }

finish() {
  echo "$failures failed"
  [ "$failures" -eq 0 ]
}

# The sample product as a text project in folder $1: product.toml and sample/.
copy_sample() {
  mkdir -p "$1"
  cp "$root/examples/sample.toml" "$1/product.toml"
  cp -r "$root/examples/sample" "$1/sample"
}
