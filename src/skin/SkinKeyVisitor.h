#pragma once

#include "skin/SkinValueTypes.h"

#include <QPoint>
#include <QRect>
#include <QString>

struct TbsSkinFontFields;

// One step per key of a skin object, in the object's key order: the reader fills the field from
// the description (the default when the key is missing), the writer writes the field back.
// Integers and colours share one form; colours keep the platform's 0x00BBGGRR integers.
class SkinKeyVisitor {
public:
    virtual ~SkinKeyVisitor();

    virtual void Integer(const char* key, int& field, int fallback) = 0;
    virtual void Boolean(const char* key, bool& field) = 0;
    virtual void Text(const char* key, QString& field, const QString& fallback) = 0;
    virtual void Rect(const char* key, QRect& field) = 0;
    virtual void Point(const char* key, QPoint& field) = 0;
    virtual void FontStyle(const char* key, TbsFontStyles& field) = 0;
    virtual void Alignment(const char* key, TbsSkinAlignment& field) = 0;
    virtual void StretchType(const char* key, TbsStretchType& field) = 0;
    virtual void MorphKind(const char* key, TbsMorphKind& field) = 0;
    virtual void InactiveEffect(const char* key, TbsInactiveEffect& field) = 0;
    virtual void Command(const char* key, TbsSkinCommand& field) = 0;

    // "fontname" (default "Arial"), "fontheight" (14), "fontstyle", "fontcolor" (0).
    void FontGroup(TbsSkinFontFields& font);
    // The up and down arrow rectangles, each plain, active and pressed ("upbuttonrect",
    // "activeupbuttonrect", "downupbuttonrect", then the same for the down arrow).
    void ArrowButtonRects(QRect& up, QRect& activeUp, QRect& downUp, QRect& down, QRect& activeDown, QRect& downDown);
    // "lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint".
    void CornerPoints(QPoint& leftTop, QPoint& rightTop, QPoint& leftBottom, QPoint& rightBottom);
};
