#pragma once

#include "skin/TbsDataSkinEntry.h"

// The [LAYERFRAME] record: the layered border windows around skinned forms.
class TbsDataSkinLayerFrame : public TbsDataSkinEntry {
public:
    TbsDataSkinLayerFrame();

    int pictureindex{};
    int maskpictureindex{};
    int inactivepictureindex{};
    int inactivemaskpictureindex{};
    QPoint lefttoppoint;
    QPoint righttoppoint;
    QPoint leftbottompoint;
    QPoint rightbottompoint;
    QRect clientrect;
    int alphablendvalue{};
    int inactivealphablendvalue{};
    QRect borderrect;
    bool hittestenable{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
