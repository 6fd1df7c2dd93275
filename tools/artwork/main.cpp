// kestrune-artwork: draws the client's pictures into a folder.
//   kestrune-artwork window OUTDIR   pictures of the main window's definition and the icon
//   kestrune-artwork pack OUTDIR     pictures of the resource pack
#include "PackArtwork.h"
#include "WindowArtwork.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3 || (std::strcmp(argv[1], "window") != 0 && std::strcmp(argv[1], "pack") != 0)) {
        std::fprintf(stderr, "usage: kestrune-artwork window|pack OUTDIR\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "kestrune-artwork: cannot create %s\n", argv[2]);
        return 1;
    }
    const bool written = std::strcmp(argv[1], "window") == 0 ? WriteWindowArtwork(outDir) : WritePackArtwork(outDir);
    if (!written) {
        std::fprintf(stderr, "kestrune-artwork: cannot write the pictures into %s\n", argv[2]);
        return 1;
    }
    return 0;
}
