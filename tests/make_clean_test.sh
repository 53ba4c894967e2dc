#!/bin/sh
# make clean removes the builds but keeps a data folder that earlier versions left in build/dados: moved to
# dados/ when there is none, and left where it is, with clean refused, when dados/ exists too.
# Usage: make_clean_test.sh SOURCE_DIR
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
falha() {
  echo "FALHOU: $1"
  exit 1
}
cp "$1/Makefile" "$dir/"
cd "$dir" || exit 1
mkdir -p build/dados build-asan && echo antigo >build/dados/a_CUL.txt
make clean >/dev/null 2>&1 || falha "make clean falhou"
[ "$(cat dados/a_CUL.txt 2>/dev/null)" = antigo ] || falha "os dados de build/dados não foram para dados/"
[ ! -e build ] && [ ! -e build-asan ] || falha "as construções ficaram"
mkdir -p build/dados && echo outro >build/dados/b_CUL.txt
make clean >/dev/null 2>&1 && falha "make clean apagou build/dados ao lado de dados/"
[ "$(cat build/dados/b_CUL.txt)" = outro ] && [ "$(cat dados/a_CUL.txt)" = antigo ] || falha "uma pasta de dados mudou"
echo "ok"
