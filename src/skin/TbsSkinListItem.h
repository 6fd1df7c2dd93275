#pragma once

#include "skin/TbsCompressedStoredSkin.h"

#include <memory>

class QIODevice;
class TbsSkinListItems;

// One package of a skin list. Its stored "Skin" property is the package in full form (8-byte
// header, then the block), written by WritePackageStream and read by ReadPackageStream.
class TbsSkinListItem {
public:
    // Name starts as "bsSkin<position>".
    TbsSkinListItem(TbsSkinListItems& collection, int position);
    ~TbsSkinListItem();
    TbsSkinListItem(const TbsSkinListItem&) = delete;
    TbsSkinListItem& operator=(const TbsSkinListItem&) = delete;

    // Copies the texts and the package of another item.
    void Assign(const TbsSkinListItem& other);

    TbsSkinListItems& Collection() const { return collection_; }
    // The display name of an item is its Name.
    QString DisplayName() const { return Name; }
    TbsCompressedStoredSkin& StoredSkin() const { return *storedSkin_; }

    bool HasNoData() const;
    void ReadPackageStream(QIODevice& stream);
    void WritePackageStream(QIODevice& stream) const;
    void ReadPackageFile(const QString& path);
    void BuildFromDescription(const QString& path);

    QString Description;
    QString FileName;
    QString CompressedFileName;
    QString Name;

private:
    TbsSkinListItems& collection_;
    std::unique_ptr<TbsCompressedStoredSkin> storedSkin_;
};
