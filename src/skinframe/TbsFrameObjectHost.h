#pragma once

#include "skin/SkinValueTypes.h"

#include <QPoint>
#include <QRect>
#include <QString>

class TbsActiveSkinObject;

// The mouse notifications a frame object passes on with its name.
enum class FrameObjectMouse { Down, Up, Move, Enter, Leave };

// What the frame objects ask of the frame that holds them.
class TbsFrameObjectHost {
public:
    // Draws the object again in its current look.
    virtual void RepaintObject(const TbsActiveSkinObject& object) = 0;
    // Keeps the morph timer running while some object still blends between its looks.
    virtual void StartMorphTimer() = 0;
    // A caption button was released over itself (or the system-menu button double-clicked).
    virtual void RunCommand(TbsSkinCommand command) = 0;
    // Opens the system menu below a button.
    virtual void OpenSystemMenuAt(const QRect& button) = 0;
    // Shows the object's glow frame where layered windows and the skin allow it; hides it.
    virtual void ShowGlow(const TbsActiveSkinObject& object) = 0;
    virtual void HideGlow() = 0;
    virtual void ObjectMouse(FrameObjectMouse what, const QString& name, Qt::MouseButton button,
                             const QPoint& at) = 0;

protected:
    ~TbsFrameObjectHost() = default;
};
