#!/usr/bin/env bash
# The CI recipe, examples/ci/build-setup.sh, as a pipeline runs it: from the Debian package
# (unpacked, so that the machine stays as it is), with a test certificate made here by openssl
# as PKCS#12 and as PEM files with a password, and without one. A signed setup still verifies,
# with tessark and with osslsigncode; a wrong password or a broken project publishes nothing.
#   ci_recipe_test.sh TESSARK-PROGRAM SOURCE-TREE
. "$(dirname "$0")/checks.sh"

recipe=$root/examples/ci/build-setup.sh
check "the package is made" "$root/scripts/make-deb.sh" "$tessark" "$work/deb"
deb=$(ls "$work"/deb/tessark_*.deb | head -n 1)

project=$work/project
copy_sample "$project"
cd "$project"
check "a test certificate for code signing" \
  openssl req -x509 -newkey rsa:2048 -keyout key.pem -out cert.pem -days 30 \
    -subj "/CN=Tessark Test Signer" -addext "extendedKeyUsage=codeSigning" \
    -passout pass:test-secret
check "the same as PKCS#12" openssl pkcs12 -export -in cert.pem -inkey key.pem \
  -passin pass:test-secret -out cert.pfx -passout pass:test-secret
check "the build tree's tessark builds the reference setup" \
  "$tessark" build product.toml -o "$work/Reference.exe"

recipe_run() {
  env TESSARK_DEB="$deb" TESSARK_INSTALL=extract PROJECT=product.toml "$@" bash "$recipe"
}

check "unsigned: the recipe publishes the setup" recipe_run PUBLISH_DIR=plain
check "unsigned: the same bytes as a build" cmp plain/SampleSetup.exe "$work/Reference.exe"
check "unsigned: with its checksum" bash -c "cd plain && sha256sum -c SampleSetup.exe.sha256"

check "PKCS#12: the recipe signs and publishes the setup" \
  recipe_run PUBLISH_DIR=pfx SIGN_PKCS12=cert.pfx SIGN_PASSWORD=test-secret SIGN_CA=cert.pem
log=$(output)
check "PKCS#12: the recipe checked the signature" grep -q "Signature verification: ok" <<< "$log"
check "PKCS#12: the published setup differs from the unsigned one" \
  bash -c "! cmp -s pfx/SampleSetup.exe '$work/Reference.exe'"
check "PKCS#12: tessark finds the package in front of the signature" \
  "$tessark" verify pfx/SampleSetup.exe
check "PKCS#12: osslsigncode verifies the signature" \
  osslsigncode verify -CAfile cert.pem -in pfx/SampleSetup.exe
log=$(output)
check "PKCS#12: the signer is the test certificate" grep -q "Tessark Test Signer" <<< "$log"
check "PKCS#12: the extracted files are the project's" \
  bash -c "'$tessark' extract pfx/SampleSetup.exe out 5 && cmp out/MovingCross.ex4 sample/MovingCross.ex4"

check "PEM: the recipe signs with a certificate and a key with a password" \
  recipe_run PUBLISH_DIR=pem SIGN_CERT=cert.pem SIGN_KEY=key.pem SIGN_PASSWORD=test-secret \
    SIGN_CA=cert.pem
check "PEM: tessark verifies the signed setup" "$tessark" verify pem/SampleSetup.exe
check "PEM: osslsigncode verifies the signature" \
  osslsigncode verify -CAfile cert.pem -in pem/SampleSetup.exe

refuse "a wrong password stops the recipe" \
  recipe_run PUBLISH_DIR=wrong SIGN_PKCS12=cert.pfx SIGN_PASSWORD=not-it SIGN_CA=cert.pem
check "and nothing is published" test ! -e wrong
refuse "a signature the system's certificates do not trust stops the recipe" \
  recipe_run PUBLISH_DIR=untrusted SIGN_PKCS12=cert.pfx SIGN_PASSWORD=test-secret
check "and nothing is published" test ! -e untrusted

sed 's|"sample/CrossBands.mq4"|"sample/Missing.mq4"|' product.toml > broken.toml
refuse "a project naming a missing file stops the recipe" \
  recipe_run PROJECT=broken.toml PUBLISH_DIR=broken
log=$(output)
check "saying which line names it" grep -q "broken.toml:34:15: no such file: sample/Missing.mq4" <<< "$log"
check "and nothing is published" test ! -e broken
finish
