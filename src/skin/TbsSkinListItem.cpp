#include "skin/TbsSkinListItem.h"

TbsSkinListItem::TbsSkinListItem(TbsSkinListItems& collection, int position)
    : Name(QStringLiteral("bsSkin%1").arg(position)),
      collection_(collection),
      storedSkin_(std::make_unique<TbsCompressedStoredSkin>())
{
}

TbsSkinListItem::~TbsSkinListItem() = default;

void TbsSkinListItem::Assign(const TbsSkinListItem& other)
{
    Description = other.Description;
    FileName = other.FileName;
    CompressedFileName = other.CompressedFileName;
    Name = other.Name;
    storedSkin_->SetCompressedData(other.storedSkin_->CompressedData());
}

bool TbsSkinListItem::HasNoData() const
{
    return storedSkin_->HasNoData();
}

void TbsSkinListItem::ReadPackageStream(QIODevice& stream)
{
    storedSkin_->ReadPackageStream(stream);
}

void TbsSkinListItem::WritePackageStream(QIODevice& stream) const
{
    storedSkin_->WritePackageStream(stream);
}

void TbsSkinListItem::ReadPackageFile(const QString& path)
{
    storedSkin_->ReadPackageFile(path);
}

void TbsSkinListItem::BuildFromDescription(const QString& path)
{
    storedSkin_->BuildFromDescription(path);
}
