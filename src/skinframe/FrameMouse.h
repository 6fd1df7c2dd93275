#pragma once

#include "skinframe/FramePointer.h"
#include "skinframe/TbsActiveSkinObject.h"
#include "skinframe/TbsSkinFrameTypes.h"
#include "skinui/TbsLayerManager.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

#include <functional>

class QMouseEvent;
class QWidget;

// The pointer over a framed form's chrome: it holds the frame objects, follows the pointer
// through the pointer core (FramePointer) and carries out the actions it returns: repaints,
// glow frames, hints, the morph and tracking timers, and, as signals, the commands, the menus,
// the window system's moves and sizes and the user's notices, always last. It keeps indices,
// never references, across anything that may run a handler.
class FrameMouse : public QObject {
    Q_OBJECT
public:
    static constexpr int kTrackInterval = 50;
    static constexpr int kMorphInterval = 25;

    // What the frame tells it of the form now.
    struct Context {
        bool chrome = false;      // the frame draws the chrome (else the pointer is the form's)
        bool formActive = false;  // objects light up only on an active form
        TbsFrameWindowState windowState = TbsFrameWindowState::Normal;  // a maximized form stays put
        bool rolledUp = false;
        bool disableSystemMenu = false;
        bool showHints = false;
        bool glowFrames = false;  // the skin shows caption buttons' glow frames
        QRect client;
    };

    explicit FrameMouse(QWidget* form, QObject* parent = nullptr);

    FrameObjectList& Objects() { return objects_; }
    const FrameObjectList& Objects() const { return objects_; }
    // New objects (a skin change): nothing hot or captured.
    void SetObjects(FrameObjectList objects);
    int Hot() const { return pointer_.Hot(); }
    bool Captured() const { return pointer_.Captured() >= 0; }

    // The frame's context, and its hit test in form coordinates.
    std::function<Context()> context;
    std::function<int(const QPoint&)> hitTest;

    // The form's mouse events; true when the event was the chrome's.
    bool Move(const QMouseEvent& event);
    bool Press(const QMouseEvent& event);
    bool Release(const QMouseEvent& event);
    bool DoubleClick(const QMouseEvent& event);
    void Leave();
    // No object hot or captured, no drag armed.
    void Clear();
    void StopTimers();
    void HideGlow();
    // The form lost the activation: nothing stays hot and buttons come up.
    void Deactivated();
    // The menu a button opened has closed.
    void MenuClosed();

Q_SIGNALS:
    void Command(TbsSkinCommand command);
    // The system menu below its button (form coordinates), or at a screen point.
    void MenuBelow(const QRect& button);
    void MenuAt(const QPoint& global);
    // A move (HTCAPTION) or size (a border code) for the window system.
    void Drag(int code);
    void CaptionDoubleClicked();
    void CursorChanged(int code);
    // The user's notices of the objects.
    void ObjectMouseDown(const QString& ObjectName, Qt::MouseButton Button, int X, int Y);
    void ObjectMouseUp(const QString& ObjectName, Qt::MouseButton Button, int X, int Y);
    void ObjectMouseMove(const QString& ObjectName, int X, int Y);
    void ObjectMouseEnter(const QString& ObjectName);
    void ObjectMouseLeave(const QString& ObjectName);

private:
    // Tracking, the hit code and the press on the hot object; a press in the client area is
    // carried out at once and left to the form. Returns the hit code.
    int PressObject(const QMouseEvent& event, FramePointerActions& actions);
    void Track(const QPoint& point, FramePointerActions& actions);
    void SetHot(int index);
    void TrackTick();
    void MorphTick();
    void UpdateCursor(int code);
    void Execute(const FramePointerActions& actions);
    void ShowHint(int index);
    void ShowGlow(int index);
    void PassOn(const FrameObjectNotice& notice);

    QPointer<QWidget> form_;
    FrameObjectList objects_;
    FramePointer pointer_;
    QTimer trackTimer_;
    QTimer morphTimer_;
    TbsLayerManager glow_;
    bool sizingCursor_ = false;
    bool captionMoveArmed_ = false;
    QPoint captionPress_;
};
