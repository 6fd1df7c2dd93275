#pragma once

#include "skin/TbsDataSkinCustomControl.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "checkradio".
class TbsDataSkinCheckRadioControl : public TbsDataSkinCustomControl, public TbsSkinFontFields {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

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
