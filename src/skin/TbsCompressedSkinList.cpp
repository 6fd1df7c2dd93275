#include "skin/TbsCompressedSkinList.h"

TbsCompressedSkinList::TbsCompressedSkinList(QObject* parent) : QObject(parent), skins_(*this) {}
