#pragma once

#include "skinframe/TbsActiveSkinObject.h"

class TbsDataUserObject;

// A bare rectangle of the frame picture that a program may give a meaning: it takes part in
// tracking and reports the pointer through the frame's object events.
class TbsUserObject : public TbsActiveSkinObject {
public:
    TbsUserObject(TbsFrameObjectHost& host, const TbsDataUserObject& data, const TbsSkinData& store);
};
