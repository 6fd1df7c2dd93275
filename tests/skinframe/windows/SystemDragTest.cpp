#include "WindowsSession.h"

#include "platform/ScreenWindowManager.h"
#include "support/RealInput.h"
#include "support/Wait.h"

#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

// A frameless window that asks for a system move whenever a button goes down on it, as the
// main window's title and the skinned frame's caption do.
class MovableWindow : public QWidget {
public:
    MovableWindow() { setWindowFlags(Qt::FramelessWindowHint); }
    int doubleClicks = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { windows_.BeginSystemDrag(this, HTCAPTION); }
    void mouseDoubleClickEvent(QMouseEvent*) override
    {
        ++doubleClicks;
        windows_.BeginSystemDrag(this, HTCAPTION);
    }

private:
    ScreenWindowManager windows_;
};

// Whether the window still follows the pointer once the gesture is over.
bool Glued(QWidget& window)
{
    const QPoint before = window.pos();
    Xdotool({QStringLiteral("mousemove_relative"), QStringLiteral("--"), QStringLiteral("-150"), QStringLiteral("90")});
    return WaitFor([&] { return window.pos() != before; }, 600);
}

// However short the press, a click or double click on the window stays one and moves nothing,
// and a move, however short, ends with the button's release: the window never sticks to the
// pointer (the window manager's loop that begins after the release is called off).
TEST(SystemDrag, ClicksStayClicksAndAMoveEndsWithItsRelease)
{
    const auto at = [](QPoint p) { return QStringList{QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())}; };
    const QStringList press{QStringLiteral("mousedown"), QStringLiteral("1")};
    const QStringList release{QStringLiteral("mouseup"), QStringLiteral("1")};
    const QStringList step{QStringLiteral("mousemove_relative"), QStringLiteral("--"), QStringLiteral("40"), QStringLiteral("30")};
    const QStringList pause{QStringLiteral("sleep"), QStringLiteral("0.2")};
    const QStringList doubleClick{QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("--delay")};
    const struct {
        const char* gesture;
        QStringList after;  // what follows the pointer's move onto the window
        int doubleClicks;
        bool moves;
    } cases[] = {
        {"double click without a pause", doubleClick + QStringList{QStringLiteral("0"), QStringLiteral("1")}, 1, false},
        {"double click", doubleClick + QStringList{QStringLiteral("120"), QStringLiteral("1")}, 1, false},
        {"flick", press + step + release, 0, false},
        {"drag", press + pause + step + pause + step + pause + release, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gesture);
        MovableWindow window;
        window.setGeometry(300, 200, 400, 300);
        window.show();
        // Active, and where the window manager has put it for good: the clicks go there.
        ASSERT_TRUE(WaitFor([&] { return window.isActiveWindow() && XWindowOrigin(window.winId()) == window.pos(); }));
        const QPoint start = window.pos();
        ASSERT_TRUE(Xdotool(at(start + QPoint(200, 100)) + c.after));
        if (c.moves)
            EXPECT_TRUE(WaitFor([&] { return window.pos() != start; })) << "the window moved with the pointer";
        else
            WaitFor([&] { return window.doubleClicks == c.doubleClicks && window.pos() != start; }, 600);
        EXPECT_EQ(window.doubleClicks, c.doubleClicks);
        if (!c.moves) {
            EXPECT_EQ(window.pos(), start);
        }
        EXPECT_FALSE(Glued(window));
    }
}

}  // namespace
