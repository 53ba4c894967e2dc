#!/bin/sh
# The program alone builds and runs where neither GoogleTest nor Google Benchmark is installed, as `make run`
# builds it.  Usage: sem_googletest_test.sh SOURCE_DIR CMAKE_GENERATOR
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
falha() {
  echo "FALHOU: $1"
  cat "$dir/registo"
  exit 1
}
cmake -S "$1" -B "$dir/build" -G "$2" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >"$dir/registo" 2>&1 ||
  falha "a configuração precisa de GoogleTest"
cmake --build "$dir/build" --target paludex -j 2 >>"$dir/registo" 2>&1 || falha "o programa não foi construído"
printf 'click 17 10\n' >"$dir/script"
(cd "$dir" && build/paludex --script script >/dev/null 2>>registo) || falha "o programa não correu"
echo "ok"
