#pragma once

#include "skin/TbsDataSkinEntry.h"

// The [LAYERFRAME] record: the layered border windows around skinned forms.
class TbsDataSkinLayerFrame : public TbsDataSkinEntry {
public:
    TbsDataSkinLayerFrame();

    int pictureindex = -1;
    int maskpictureindex = -1;
    int inactivepictureindex = -1;
    int inactivemaskpictureindex = -1;
    QPoint lefttoppoint;
    QPoint righttoppoint;
    QPoint leftbottompoint;
    QPoint rightbottompoint;
    QRect clientrect;
    int alphablendvalue = 255;
    int inactivealphablendvalue = 255;
    QRect borderrect;
    bool hittestenable = false;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
