#!/usr/bin/env bash
# Generates the development certificate chains that the sensor adapter
# presents for a secure connection, and writes them as constant data.
#
# Usage: scripts/make-dev-certificates.sh [output.cpp]
#        (default: adapter/certificates/development_chains.cpp)
#
# The chains have the shape of the sensor models' real chains, certificate
# for certificate and byte for byte in size, so that the secure channel
# computes the same buffer sizes and picks chains the same way with either
# set. Every run makes new keys, so the bytes differ from run to run; the
# committed file is the product. Keys live only in a temporary folder that is
# removed on exit. Needs bash and the openssl command line (3.x).
set -euo pipefail

root_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
output=${1:-$root_dir/adapter/certificates/development_chains.cpp}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

readonly DEV_OU="Development only - not for production"
readonly ROOT_CN="Microsoft ECC Devices Root Certificate Authority 2017"
readonly CA2_CN="Windows Hello Secure Devices PCA 2018"
readonly CA1_CHAINS_1_2_CN="Windows Hello Talven Development Sensors CA 2019"
readonly CA1_CHAIN_3_CN="Windows Hello Talven Development Sensors CA 2021"
readonly MODEL_CN="Secure BIO Sensor"
readonly COMMENT="Development certificate, not for production. Padded to the size of the certificate it stands in for:"
readonly DAYS=7300

# Extensions by role. The model certificates certify a sensor's signing key;
# the CAs sign certificates only.
extensions_for() {
  case $1 in
    root) printf '%s\n' "basicConstraints = critical, CA:TRUE" ;;
    ca2) printf '%s\n' "basicConstraints = critical, CA:TRUE, pathlen:1" ;;
    ca1) printf '%s\n' "basicConstraints = critical, CA:TRUE, pathlen:0" ;;
    model) printf '%s\n' "basicConstraints = critical, CA:FALSE" \
      "keyUsage = critical, digitalSignature" ;;
  esac
  case $1 in
    model) ;;
    *) printf '%s\n' "keyUsage = critical, keyCertSign, cRLSign, digitalSignature" ;;
  esac
  printf '%s\n' "subjectKeyIdentifier = hash"
  [ "$1" = root ] || printf '%s\n' "authorityKeyIdentifier = keyid:always"
}

# write_config FILE ROLE CN PAD: request and extension settings, with PAD
# filler characters in the comment extension.
write_config() {
  local filler
  filler=$(printf '%*s' "$4" '' | tr ' ' '.')
  {
    printf '%s\n' "[req]" "prompt = no" "distinguished_name = dn" "[dn]" \
      "OU = $DEV_OU" "CN = $3" "[ext]"
    extensions_for "$2"
    printf '%s\n' "nsComment = \"$COMMENT$filler\""
  } >"$1"
}

# make_certificate NAME ROLE CN ISSUER SIZE: a new key and a certificate of
# exactly SIZE DER bytes (any size when SIZE is 0), signed by ISSUER's key
# (ISSUER "self" for the root). ECDSA signatures and the random serial vary
# in length, so the filler is corrected by the miss and the certificate
# signed again until the size is exact.
make_certificate() {
  local name=$1 role=$2 cn=$3 issuer=$4 size=$5
  local curve=secp384r1 pad=0 attempt actual
  [ "$role" = model ] && curve=prime256v1
  openssl ecparam -name "$curve" -genkey -noout -out "$work/$name.key"
  for attempt in $(seq 1 64); do
    write_config "$work/$name.cnf" "$role" "$cn" "$pad"
    local serial="0x7$(openssl rand -hex 16 | cut -c2-)"
    if [ "$issuer" = self ]; then
      openssl req -new -x509 -sha384 -key "$work/$name.key" -config "$work/$name.cnf" \
        -extensions ext -days "$DAYS" -set_serial "$serial" -out "$work/$name.pem"
    else
      openssl req -new -key "$work/$name.key" -config "$work/$name.cnf" -out "$work/$name.csr"
      openssl x509 -req -sha384 -in "$work/$name.csr" -CA "$work/$issuer.pem" \
        -CAkey "$work/$issuer.key" -extfile "$work/$name.cnf" -extensions ext \
        -days "$DAYS" -set_serial "$serial" -out "$work/$name.pem" 2>/dev/null
    fi
    openssl x509 -in "$work/$name.pem" -outform DER -out "$work/$name.der"
    actual=$(wc -c <"$work/$name.der")
    if [ "$size" -eq 0 ] || [ "$actual" -eq "$size" ]; then
      return 0
    fi
    pad=$((pad + size - actual))
    if [ "$pad" -lt 0 ]; then
      echo "$name: $actual bytes without filler, more than $size" >&2
      exit 1
    fi
  done
  echo "$name: no certificate of $size bytes after $attempt attempts" >&2
  exit 1
}

make_certificate root root "$ROOT_CN" self 0
make_certificate ca2 ca2 "$CA2_CN" root 1114
make_certificate ca1_chains_1_2 ca1 "$CA1_CHAINS_1_2_CN" ca2 967
make_certificate ca1_chain_3 ca1 "$CA1_CHAIN_3_CN" ca2 1025
make_certificate model_1 model "$MODEL_CN" ca1_chains_1_2 807
make_certificate model_2 model "$MODEL_CN" ca1_chains_1_2 808
make_certificate model_3 model "$MODEL_CN" ca1_chain_3 846

# Each chain must verify up to the root before it is written out.
for chain in "model_1 ca1_chains_1_2" "model_2 ca1_chains_1_2" "model_3 ca1_chain_3"; do
  read -r model ca1 <<<"$chain"
  openssl verify -x509_strict -CAfile "$work/root.pem" \
    -untrusted <(cat "$work/$ca1.pem" "$work/ca2.pem") "$work/$model.pem" >/dev/null
done

# emit_array NAME FILE DESCRIPTION: one certificate as a constant byte array.
emit_array() {
  printf '\n// %s\n' "$3"
  printf 'const BYTE %s[] = {\n' "$1"
  od -An -v -tx1 "$2" | awk '{ line = "   "; for (i = 1; i <= NF; i++) line = line " 0x" $i ","; print line }'
  printf '};\n'
  printf 'static_assert(sizeof(%s) == %sSize);\n' "$1" "$1"
}

{
  cat <<'EOF'
// Development certificate chains for the secure connection.
//
// Generated by scripts/make-dev-certificates.sh; do not edit. These chains
// have the sizes and names of the sensor models' real chains but are signed
// by keys of our own (a stand-in root that is not shipped), so no production
// host trusts them. A build for the real sensor replaces this file with one
// that defines the same names with the real chains.
#include "adapter/certificates/certificate_chains.h"

namespace talven {
EOF
  emit_array ModelCertificate1 "$work/model_1.der" "\"$MODEL_CN\" of chain 1, issued by \"$CA1_CHAINS_1_2_CN\"."
  emit_array ModelCertificate2 "$work/model_2.der" "\"$MODEL_CN\" of chain 2, issued by \"$CA1_CHAINS_1_2_CN\"."
  emit_array ModelCertificate3 "$work/model_3.der" "\"$MODEL_CN\" of chain 3, issued by \"$CA1_CHAIN_3_CN\"."
  emit_array IntermediateCA1OfChains1And2 "$work/ca1_chains_1_2.der" "\"$CA1_CHAINS_1_2_CN\", issued by \"$CA2_CN\"."
  emit_array IntermediateCA1OfChain3 "$work/ca1_chain_3.der" "\"$CA1_CHAIN_3_CN\", issued by \"$CA2_CN\"."
  emit_array IntermediateCA2 "$work/ca2.der" "\"$CA2_CN\", issued by \"$ROOT_CN\"."
  printf '\n}  // namespace talven\n'
} >"$work/out.cpp"

# Replace the output in one step, so that an interrupted run leaves the old file.
cp "$work/out.cpp" "$output.new"
mv "$output.new" "$output"
echo "wrote $output"
