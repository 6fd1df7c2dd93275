#pragma once

#include "platform/ResourceAccess.h"

#include <QByteArrayView>

// Every picture decoder of the client on the same bytes. A decoder either refuses with
// DataFormatError or returns a 32-bit picture within the size limits.
class PictureFuzzTarget {
public:
    static void run(QByteArrayView bytes);
    static void decodeChecked(ImageDecoder decode, QByteArrayView bytes);
};
