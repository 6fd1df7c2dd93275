#pragma once

#include "skin/SkinValueTypes.h"
#include "skinframe/TbsSkinFrameTypes.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

// The kinds of frame object: a bare user object, a button, a caption button with a window
// command, the caption, and an animated part (a button with a command here).
enum class FrameObjectKind { User, Button, StdButton, Caption, Animate };

// What a caption object draws its text with.
struct FrameCaptionLook {
    QFont font;
    QColor fontColor;
    QColor activeFontColor;
    TbsSkinAlignment alignment = TbsSkinAlignment::Center;
    QRect textRect;  // in the frame picture, like the skin rectangle
    bool light = false;
    QColor lightColor;
    QColor activeLightColor;
    bool shadow = false;
    QColor shadowColor;
    QColor activeShadowColor;
};

// One object of a skinned frame, as data: a part of the frame picture (or of a picture of its
// own) with its looks, where it lies on the form, and its pointer state. The frame's pointer
// core (FramePointer) changes the state, the frame object painters (FrameObjectPainting) draw
// it, and the frame holds them by index in a FrameObjectList.
struct TbsActiveSkinObject {
    FrameObjectKind Kind = FrameObjectKind::User;
    QString Name;
    QString Hint;
    QString RestoreHint;  // shown instead while a caption button is in its alternate state
    QRect SkinRect;
    QRect ActiveSkinRect;    // the hot look
    QRect InActiveSkinRect;  // the look while the form is inactive
    QRect DownRect;
    QRect DisabledRect;
    // The looks of a caption button in its alternate state (maximize while maximized, minimize
    // while minimized, roll-up while rolled up).
    QRect RestoreRect;
    QRect RestoreActiveRect;
    QRect RestoreDownRect;
    QRect RestoreInActiveRect;
    bool SkinRectInAPicture = false;
    QImage Picture;  // the object's own picture; null: the frame picture's
    QImage PictureDoubleSize;  // its double-size form; null for none
    QImage MaskPicture;
    bool Morphing = false;  // blends between its normal and hot looks (skin effects on)
    double Morph = 0;       // how far the blend has come: 0 normal .. 1 hot
    QImage GlowPicture;
    QImage GlowMask;
    QPoint GlowOffset;
    int GlowAlpha = 255;
    TbsSkinCommand Command = TbsSkinCommand::Default;
    bool DefaultLook = false;  // a button of the default frame: a flat cell with a glyph
    FrameCaptionLook Caption;

    QRect ObjectRect;  // where it lies on the form
    bool Enabled = true;
    bool Visible = true;
    bool Active = true;  // offered by the form (a caption button of an icon the form has)
    bool MouseIn = false;
    bool Down = false;

    bool IsButton() const;
    // Whether pressing it opens a menu: the system-menu button.
    bool HasMenu() const;
    // Whether (x, y) relative to the object's top-left counts as inside: with a mask picture
    // only its black pixels do.
    bool PointTest(const QPoint& relative) const;
    // Whether the blend between its looks still has a way to go towards the pointer's state.
    bool MorphRunning() const;
    // One step of the blend (a fifth of the way); true while it goes on.
    bool MorphStep();
};

using FrameObjectList = std::vector<TbsActiveSkinObject>;

// Whether a caption button shows its restore looks (and hint) in that window state.
bool InAlternateState(const TbsActiveSkinObject& object, TbsFrameWindowState state, bool rolledUp);

// The first object of a kind (a caption button: with that command); -1 for none.
int FindFrameObject(const FrameObjectList& objects, FrameObjectKind kind,
                    TbsSkinCommand command = TbsSkinCommand::Default);
