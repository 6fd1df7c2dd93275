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
    int fixedcellleftoffset{};
    int fixedcellrightoffset{};
    QRect fixedcelltextrect;
    int cellleftoffset{};
    int cellrightoffset{};
    QRect celltextrect;
    int bgpictureindex{};
    int linescolor{};
    int bgcolor{};
    int selectfontcolor{};
    int focusfontcolor{};
    QString fixedfontname;
    int fixedfontheight{};
    TbsFontStyles fixedfontstyle{};
    int fixedfontcolor{};
    bool cellstretcheffect{};
    bool fixedcellstretcheffect{};
    bool showfocus{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
