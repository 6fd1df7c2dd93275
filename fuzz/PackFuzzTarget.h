#pragma once

#include <QByteArrayView>

class PeResourceTable;

// The resource pack reader on a file's bytes: the resource directory, the lookups the client
// makes with the type texts it passes, and the decoding of what they find. Every listed entry
// lies inside the file and is found again by its type and name.
class PackFuzzTarget {
public:
    static void run(QByteArrayView bytes);

private:
    static void checkEntries(const PeResourceTable& table, QByteArrayView bytes);
    static void lookUpAsTheClient(const PeResourceTable& table, QByteArrayView bytes);
};
