#!/bin/sh
# Builds the skin fuzz target with clang's libFuzzer, AddressSanitizer and UBSan:
#   fuzz/skin/build.sh BUILD_DIR      (BUILD_DIR: a configured build tree that has built kestrune_skin,
#                                      whose generated moc sources are reused)
# then run, for example:  BUILD_DIR/fuzz-skin/skin_fuzz -max_total_time=300 CORPUS_DIR
set -eu
build=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
out="$build/fuzz-skin"
mkdir -p "$out"
qt_flags=$(pkg-config --cflags Qt6Gui)
qt_libs=$(pkg-config --libs Qt6Gui)
clang++ -std=c++20 -O1 -g -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -DQT_NO_KEYWORDS -DQT_USE_QSTRINGBUILDER -DQT_NO_URL_CAST_FROM_STRING \
  -I"$root/src" -I"$build/src/skin/kestrune_skin_autogen/include" $qt_flags \
  "$root"/src/skin/*.cpp "$root"/src/binary/*.cpp "$build/src/skin/kestrune_skin_autogen/mocs_compilation.cpp" \
  "$root/fuzz/skin/SkinPackageFuzz.cpp" $qt_libs -lz -o "$out/skin_fuzz"
echo "$out/skin_fuzz"
