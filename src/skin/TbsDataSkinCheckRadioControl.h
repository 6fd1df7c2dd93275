#pragma once

#include "skin/TbsDataSkinCustomControl.h"

// Skin objects of kind "checkradio".
class TbsDataSkinCheckRadioControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    QString fontname;
    int fontheight = 0;
    TbsFontStyles fontstyle{};
    int fontcolor = 0;
    int activefontcolor = 0;
    int unenabledfontcolor = 0;
    int framefontcolor = 0;
    QRect activeskinrect;
    QRect checkimagearea;
    QRect textarea;
    QRect checkimagerect;
    QRect uncheckimagerect;
    QRect activecheckimagerect;
    QRect activeuncheckimagerect;
    QRect unenabledcheckimagerect;
    QRect unenableduncheckimagerect;
    QRect grayedcheckimagerect;
    QRect activegrayedcheckimagerect;
    bool morphing = false;
    TbsMorphKind morphkind{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
