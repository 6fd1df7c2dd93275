#pragma once

#include "skinframe/TbsSkinFrame.h"

#include <QStringList>

// The names of the frame objects that show and act.
inline QStringList ShownFrameObjects(const TbsSkinFrame& frame)
{
    QStringList names;
    for (const TbsActiveSkinObject& object : frame.Objects())
        if (object.Visible && object.Active)
            names << object.Name;
    return names;
}
