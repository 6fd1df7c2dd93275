#pragma once

#include <QByteArrayView>

class TbsSkinData;

// The skin package reader on an unpacked skin stream (content version, picture items, pictures,
// description). The stream is packed and loaded into a store as the client loads its skin, then
// objects are written back out. A load either fills the store, with every object found by its
// name no later than its own place, or fails with SkinError and leaves the store cleared.
class PackageFuzzTarget {
public:
    static void run(QByteArrayView content);

private:
    static void checkCleared(const TbsSkinData& store);
    static void checkLoaded(const TbsSkinData& store);
};
