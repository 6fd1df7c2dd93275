#pragma once

#include "platform/WindowManager.h"

#include <QFlags>
#include <QList>
#include <QPoint>
#include <QRect>

struct FrameGeometry;
struct FrameStripImages;

// The codes a point of a framed form answers: the frame codes the window system's move and
// size loop takes (caption and the eight borders, WindowManager.h), the client area, and 19
// for anything else of the frame, a caption button or another frame object among them.
enum FrameHitCode { HTCLIENT = 1, HTOBJECT = 19 };

enum class FrameHitFlag {
    Maximized = 0x01,
    RolledUp = 0x02,
    Minimized = 0x04,
    Resizable = 0x08,   // the border style or AlwaysResize lets the user size the form
    HotObject = 0x10,   // a frame object is under the pointer
};
Q_DECLARE_FLAGS(FrameHitState, FrameHitFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(FrameHitState)

struct FrameHitInput {
    const FrameGeometry* geometry = nullptr;
    // The window's mask strips (BuildMaskStrips) for a skin with a frame mask; nullptr without.
    const FrameStripImages* maskStrips = nullptr;
    QList<QRect> captionObjects;  // where the caption objects lie
    FrameHitState state;
};

// The code of point (form coordinates) on a skinned frame or, for a geometry without skin, on
// the default frame. Sizing codes only for a resizable form that is neither maximized, rolled
// up nor minimized; a hot frame object outside the client area and the caption answers 19.
int FrameHitTestAt(const QPoint& point, const FrameHitInput& input);

// The cursor for a frame code: the sizing arrows on the borders, the arrow elsewhere.
Qt::CursorShape CursorOfHitCode(int code);
