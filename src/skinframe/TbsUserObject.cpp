#include "skinframe/TbsUserObject.h"

#include "skin/TbsDataUserObject.h"

TbsUserObject::TbsUserObject(TbsFrameObjectHost& host, const TbsDataUserObject& data, const TbsSkinData& store)
    : TbsActiveSkinObject(host, data, store)
{
}
