#pragma once

#include "skinframe/TbsActiveSkinObject.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

// The pointer notices a frame passes on to its user, with the object's name.
enum class FrameObjectMouse { Down, Up, Move, Enter, Leave };

struct FrameObjectNotice {
    FrameObjectMouse what;
    QString name;
    Qt::MouseButton button = Qt::NoButton;
    QPoint at;  // relative to the object
};

// What the frame does once the pointer core has changed the objects' state, in this order:
// repaint, glow, morph, the command or the system menu, and the user's notices last.
struct FramePointerActions {
    QList<QRect> repaint;  // where objects changed their look, in form coordinates
    bool morph = false;    // an object now blends between its looks: run the morph timer
    bool hideGlow = false;
    int showGlow = -1;     // the object whose glow frame to show
    int entered = -1;      // the object that became hot: its hint, and the tracking timer
    std::optional<TbsSkinCommand> command;  // a caption button's command to run
    QRect openMenuBelow;   // the system-menu button pressed: the menu opens below it
    QList<FrameObjectNotice> notices;
};

// The frame objects' side of the pointer, with no window behind it: which object is hot
// (under the pointer) and which captured (pressed and followed until the release), turned
// from moves, presses and releases into state changes of the objects and actions for the
// frame. It keeps indices, never references, so that a list rebuilt by a handler of one of
// its actions leaves nothing dangling: every call looks the objects up again.
class FramePointer {
public:
    int Hot() const { return hot_; }
    int Captured() const { return captured_; }

    // No object hot or captured, none in the pointer's state.
    void Clear(FrameObjectList& objects);
    // The object under point (form coordinates): the first visible, offered object outside the
    // client rectangle whose rectangle and mask hold it; -1 for none. While an object is
    // captured, no other one counts.
    int ObjectAt(const FrameObjectList& objects, const QPoint& point, const QRect& client) const;
    // Makes index (-1: none) the hot object: the old one leaves, the new one enters.
    void SetHot(FrameObjectList& objects, int index, FramePointerActions& actions);
    // A move: the captured object, else the hot one, hears it.
    void Move(const FrameObjectList& objects, const QPoint& point, FramePointerActions& actions) const;
    // A press on the hot object: a left press captures any object but a caption (a press on
    // the caption itself captures nothing) and puts an enabled button down; the system-menu
    // button's menu opens.
    void Press(FrameObjectList& objects, Qt::MouseButton button, const QPoint& point, bool onCaption,
               FramePointerActions& actions);
    // The release of the press on the object at index, once it is let go (DropCapture) and the
    // pointer followed (SetHot): a button without a menu comes up and, still hot, a caption
    // button runs its command.
    void Release(FrameObjectList& objects, int index, Qt::MouseButton button, const QPoint& point,
                 FramePointerActions& actions) const;
    // A double click on the hot object: the system-menu button's closes the form.
    void DoubleClick(const FrameObjectList& objects, FramePointerActions& actions) const;
    // Lets go of the captured object without a release (a drag or a lost activation).
    void DropCapture() { captured_ = -1; }
    // The menu a button opened has closed: the button comes up.
    void MenuClosed(FrameObjectList& objects, FramePointerActions& actions) const;

private:
    int hot_ = -1;
    int captured_ = -1;
};

// Changes an object's pointer state, noting the repaint (or the morph) it needs.
void SetObjectHot(TbsActiveSkinObject& object, bool hot, FramePointerActions& actions);
void SetObjectDown(TbsActiveSkinObject& object, bool down, FramePointerActions& actions);
