#pragma once

#include "skin/TbsDataSkinCustomControl.h"
#include "skin/TbsSkinFontFields.h"

// Skin objects of kind "checkradio".
class TbsDataSkinCheckRadioControl : public TbsDataSkinCustomControl, public TbsSkinFontFields {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    QString KindWord() const override;

    int activefontcolor{};
    int unenabledfontcolor{};
    int framefontcolor{};
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
    bool morphing{};
    TbsMorphKind morphkind{};

protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};
