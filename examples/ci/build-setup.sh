#!/usr/bin/env bash
# Builds the setup program of a Tessark text project, checks it, signs it when a certificate is
# given, and publishes it: the job a CI pipeline runs (github-actions.yml beside this file calls
# it). Runs on Debian or in a Debian container; plain bash and the tessark package.
#
# Settings, from the environment:
#   PROJECT           the text project to build (default: product.toml)
#   PUBLISH_DIR       the folder the finished setup is copied to (default: dist)
#   SETUP_NAME        the setup's file name (default: the name of the project's target, or
#                     Setup.exe when it has none)
#   TESSARK_DEB       the tessark package to install first; without it, tessark must be on PATH
#   TESSARK_INSTALL   apt (default): install the package with apt-get (through sudo when not
#                     root); extract: unpack it into the work folder and run it from there,
#                     which needs no root and leaves the machine as it was
# Signing, when SIGN_CERT or SIGN_PKCS12 is set (osslsigncode must be installed):
#   SIGN_CERT, SIGN_KEY   the certificate (with its chain) and the private key, PEM files
#   SIGN_PKCS12           or both in one PKCS#12 (.pfx) file
#   SIGN_PASSWORD         the password of the key or of the PKCS#12 file, if it has one
#   SIGN_TIMESTAMP_URL    an RFC 3161 time-stamping server, so that the signature outlives the
#                         certificate (optional)
#   SIGN_CA               the certificates the signature is checked against after signing
#                         (default: the system's)
#
# Exit status 0 when the setup is published; otherwise the step that failed says why.
set -euo pipefail

project=${PROJECT:-product.toml}
publish=${PUBLISH_DIR:-dist}

step() { echo "== $*"; }
fail() {
  echo "build-setup: $*" >&2
  exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

step "install tessark"
if [ -n "${TESSARK_DEB:-}" ]; then
  [ -f "$TESSARK_DEB" ] || fail "TESSARK_DEB names no file: $TESSARK_DEB"
  deb=$(cd "$(dirname "$TESSARK_DEB")" && pwd)/$(basename "$TESSARK_DEB")
  case ${TESSARK_INSTALL:-apt} in
    apt)
      sudo=""
      [ "$(id -u)" -ne 0 ] && sudo=sudo
      $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb"
      ;;
    extract)
      dpkg-deb -x "$deb" "$work/root"
      PATH=$work/root/usr/bin:$PATH
      ;;
    *) fail "TESSARK_INSTALL is apt or extract, not $TESSARK_INSTALL" ;;
  esac
fi
command -v tessark > /dev/null || fail "tessark is not installed; set TESSARK_DEB"
tessark --version

step "build $project"
[ -f "$project" ] || fail "no project $project (set PROJECT)"
if [ -z "${SETUP_NAME:-}" ]; then
  target=$(tessark show "$project" | sed -n 's/^targetFile  *//p')
  SETUP_NAME=$(basename "${target//\\//}")
  [ "$target" = "-" ] && SETUP_NAME=Setup.exe
fi
setup=$work/$SETUP_NAME
tessark build "$project" -o "$setup"

step "verify $SETUP_NAME"
tessark verify "$setup"

if [ -n "${SIGN_CERT:-}${SIGN_PKCS12:-}" ]; then
  step "sign $SETUP_NAME"
  command -v osslsigncode > /dev/null || fail "osslsigncode is not installed"
  if [ -n "${SIGN_PKCS12:-}" ]; then
    credentials=(-pkcs12 "$SIGN_PKCS12")
  else
    [ -n "${SIGN_KEY:-}" ] || fail "SIGN_CERT needs SIGN_KEY, the private key"
    credentials=(-certs "$SIGN_CERT" -key "$SIGN_KEY")
  fi
  # The password goes through a file, not the command line, where others could read it.
  if [ -n "${SIGN_PASSWORD:-}" ]; then
    printf '%s' "$SIGN_PASSWORD" > "$work/password"
    credentials+=(-readpass "$work/password")
  fi
  timestamp=()
  [ -n "${SIGN_TIMESTAMP_URL:-}" ] && timestamp=(-ts "$SIGN_TIMESTAMP_URL")
  name=$(tessark show "$project" | sed -n 's/^productName  *//p')
  osslsigncode sign "${credentials[@]}" "${timestamp[@]+"${timestamp[@]}"}" -h sha256 \
    -n "$name" -in "$setup" -out "$setup.signed" > /dev/null
  rm -f "$work/password"
  mv "$setup.signed" "$setup"

  step "verify the signed $SETUP_NAME"
  tessark verify "$setup" > /dev/null
  ca=()
  [ -n "${SIGN_CA:-}" ] && ca=(-CAfile "$SIGN_CA")
  osslsigncode verify "${ca[@]+"${ca[@]}"}" -in "$setup" > "$work/signature.txt" ||
    { cat "$work/signature.txt"; fail "the signature of $SETUP_NAME does not verify"; }
  grep '^Signature verification' "$work/signature.txt" || true
fi

step "publish $SETUP_NAME"
mkdir -p "$publish"
cp "$setup" "$publish/$SETUP_NAME"
(cd "$publish" && sha256sum "$SETUP_NAME" | tee "$SETUP_NAME.sha256")
echo "Published $publish/$SETUP_NAME"
