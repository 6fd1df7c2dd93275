#pragma once

#include "skin/TbsDataSkinControl.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "grid".
class TbsDataSkinGridControl : public TbsDataSkinControl, public TbsSkinFontFields {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    QString KindWord() const override;

    QRect fixedcellrect;
    QRect selectcellrect;
    QRect focuscellrect;
    int fixedcellleftoffset = 0;
    int fixedcellrightoffset = 0;
    QRect fixedcelltextrect;
    int cellleftoffset = 0;
    int cellrightoffset = 0;
    QRect celltextrect;
    int bgpictureindex = -1;
    int linescolor = 0;
    int bgcolor = 0;
    int selectfontcolor = 0;
    int focusfontcolor = 0;
    QString fixedfontname;
    int fixedfontheight = 0;
    TbsFontStyles fixedfontstyle{};
    int fixedfontcolor = 0;
    bool cellstretcheffect = false;
    bool fixedcellstretcheffect = false;
    bool showfocus = false;

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
