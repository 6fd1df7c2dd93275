#!/bin/sh
# Rebuilds the fixture packs with Debian's mingw-w64 binutils (binutils-mingw-w64-x86-64 and
# binutils-mingw-w64-i686) and the host C preprocessor. The build never runs this: the DLLs are committed.
set -eu
cd "$(dirname "$0")"
for arch in x86_64 i686; do
    "$arch-w64-mingw32-windres" --preprocessor=cpp -O coff fixture.rc -o "fixture-$arch.o"
    "$arch-w64-mingw32-ld" --dll -e 0 -s -o "fixture-$arch.dll" "fixture-$arch.o"
    rm -f "fixture-$arch.o"
done
