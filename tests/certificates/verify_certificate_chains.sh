#!/usr/bin/env bash
# Reads the certificate arrays back out of the chains source file and checks
# them as certificates: each parses as DER X.509, has the expected subject,
# issuer and basic constraints, carries the development marking, and each
# chain verifies from its model certificate up to the second CA (the root
# above it is not shipped, so the second CA is the trust anchor here).
#
# Usage: verify_certificate_chains.sh CHAINS.cpp [openssl]
set -euo pipefail
source_file=$1
openssl=${2:-openssl}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# extract NAME: the bytes of `const BYTE NAME[] = { ... };` as NAME.der and NAME.pem.
extract() {
  local hex
  hex=$(awk -v start="const BYTE $1[] = {" '$0 == start { f = 1; next } /^};/ { f = 0 } f' "$source_file" |
    tr -d ' ,\n' | sed 's/0x/\\x/g')
  [ -n "$hex" ] || fail "$1: no array in $source_file"
  printf "$hex" >"$work/$1.der"
  "$openssl" x509 -inform DER -in "$work/$1.der" -out "$work/$1.pem" 2>/dev/null ||
    fail "$1: not a DER X.509 certificate"
}

# field NAME subject|issuer ATTRIBUTE: one attribute of a certificate's name.
field() {
  "$openssl" x509 -in "$work/$1.pem" -noout "-$2" -nameopt sep_multiline,sname,utf8 |
    sed -n "s/^ *$3=//p"
}

readonly OU="Development only - not for production"
readonly ROOT="Microsoft ECC Devices Root Certificate Authority 2017"
readonly CA2="Windows Hello Secure Devices PCA 2018"
readonly MODEL="Secure BIO Sensor"

# name size CA subject issuer-name (empty: the issuer array's subject)
certificates=(
  "IntermediateCA2|1114|TRUE|$CA2|$ROOT"
  "IntermediateCA1OfChains1And2|967|TRUE||IntermediateCA2"
  "IntermediateCA1OfChain3|1025|TRUE||IntermediateCA2"
  "ModelCertificate1|807|FALSE|$MODEL|IntermediateCA1OfChains1And2"
  "ModelCertificate2|808|FALSE|$MODEL|IntermediateCA1OfChains1And2"
  "ModelCertificate3|846|FALSE|$MODEL|IntermediateCA1OfChain3"
)

for entry in "${certificates[@]}"; do
  IFS='|' read -r name size ca subject issuer <<<"$entry"
  extract "$name"
  [ "$(wc -c <"$work/$name.der")" -eq "$size" ] || fail "$name: not $size bytes"
  if [ -n "$subject" ]; then
    [ "$(field "$name" subject CN)" = "$subject" ] || fail "$name: subject is not \"$subject\""
  fi
  case $issuer in
    IntermediateCA*) issuer=$(field "$issuer" subject CN) ;;
  esac
  [ "$(field "$name" issuer CN)" = "$issuer" ] || fail "$name: issuer is not \"$issuer\""
  [ "$(field "$name" subject OU)" = "$OU" ] || fail "$name: no development marking"
  "$openssl" x509 -in "$work/$name.pem" -noout -ext basicConstraints | grep -q "CA:$ca" ||
    fail "$name: basic constraints are not CA:$ca"
done

# The two intermediate CAs are distinct: chains 1-2 and chain 3 have their own.
[ "$(field IntermediateCA1OfChains1And2 subject CN)" != "$(field IntermediateCA1OfChain3 subject CN)" ] ||
  fail "the intermediate CAs share a name"

verify() {
  "$openssl" verify -x509_strict -partial_chain -CAfile "$work/IntermediateCA2.pem" \
    -untrusted "$work/$2.pem" "$work/$1.pem" >/dev/null 2>&1
}
verify ModelCertificate1 IntermediateCA1OfChains1And2 || fail "chain 1 does not verify"
verify ModelCertificate2 IntermediateCA1OfChains1And2 || fail "chain 2 does not verify"
verify ModelCertificate3 IntermediateCA1OfChain3 || fail "chain 3 does not verify"
# A model certificate is signed by its own chain's CA and no other.
! verify ModelCertificate3 IntermediateCA1OfChains1And2 || fail "chain 3 verifies through the CA of chains 1-2"
! verify ModelCertificate1 IntermediateCA1OfChain3 || fail "chain 1 verifies through the CA of chain 3"
echo "certificate chains verified"
