#include "skinframe/FramePointer.h"

#include <gtest/gtest.h>

namespace {

// Three objects on a form: a caption, the close button and the system-menu button.
FrameObjectList Objects()
{
    const auto object = [](FrameObjectKind kind, const char* name, QRect rect, TbsSkinCommand command) {
        TbsActiveSkinObject o;
        o.Kind = kind;
        o.Name = QLatin1String(name);
        o.ObjectRect = rect;
        o.Command = command;
        return o;
    };
    return {object(FrameObjectKind::Caption, "caption", QRect(0, 0, 80, 20), TbsSkinCommand::Default),
            object(FrameObjectKind::StdButton, "close", QRect(80, 0, 20, 20), TbsSkinCommand::Close),
            object(FrameObjectKind::StdButton, "menu", QRect(100, 0, 20, 20), TbsSkinCommand::SysMenu)};
}

QStringList Notices(const FramePointerActions& actions)
{
    static const char* const kinds[] = {"down", "up", "move", "enter", "leave"};
    QStringList out;
    for (const FrameObjectNotice& notice : actions.notices)
        out << QStringLiteral("%1 %2").arg(QLatin1String(kinds[int(notice.what)]), notice.name);
    return out;
}

const QRect kClient(0, 20, 120, 100);

// The release of the captured object at point, as the frame gives it: the object let go, the
// pointer followed, then the release.
FramePointerActions ReleaseAt(FramePointer& pointer, FrameObjectList& objects, const QPoint& point)
{
    FramePointerActions actions;
    const int released = pointer.Captured();
    pointer.DropCapture();
    pointer.SetHot(objects, pointer.ObjectAt(objects, point, kClient), actions);
    pointer.Release(objects, released, Qt::LeftButton, point, actions);
    return actions;
}

TEST(FramePointer, APressAndReleaseOverACaptionButtonRunItsCommandWithTheNoticesLast)
{
    FrameObjectList objects = Objects();
    FramePointer pointer;
    FramePointerActions enter;
    pointer.SetHot(objects, pointer.ObjectAt(objects, {90, 10}, kClient), enter);
    EXPECT_EQ(Notices(enter), QStringList{"enter close"});
    EXPECT_EQ(enter.entered, 1);
    EXPECT_TRUE(objects[1].MouseIn);

    FramePointerActions press;
    pointer.Press(objects, Qt::LeftButton, {90, 10}, false, press);
    EXPECT_EQ(pointer.Captured(), 1);
    EXPECT_TRUE(objects[1].Down);
    EXPECT_EQ(press.repaint, QList<QRect>{objects[1].ObjectRect});
    EXPECT_EQ(press.notices.first().at, QPoint(10, 10)) << "relative to the object";

    EXPECT_EQ(pointer.ObjectAt(objects, {110, 10}, kClient), -1) << "while captured, no other object counts";

    const FramePointerActions release = ReleaseAt(pointer, objects, {91, 11});
    EXPECT_FALSE(objects[1].Down);
    ASSERT_TRUE(release.command.has_value());
    EXPECT_EQ(*release.command, TbsSkinCommand::Close);
    EXPECT_EQ(Notices(release), QStringList{"up close"});
}

TEST(FramePointer, ReleasedElsewhereAButtonComesUpWithoutACommand)
{
    FrameObjectList objects = Objects();
    FramePointer pointer;
    FramePointerActions actions;
    pointer.SetHot(objects, 1, actions);
    pointer.Press(objects, Qt::LeftButton, {90, 10}, false, actions);
    const FramePointerActions release = ReleaseAt(pointer, objects, {60, 60});
    EXPECT_FALSE(objects[1].Down);
    EXPECT_FALSE(release.command.has_value());
    EXPECT_EQ(Notices(release), QStringList{"leave close"}) << "no up notice away from it";
}

TEST(FramePointer, TheMenuButtonOpensItsMenuAndStaysDownUntilItCloses)
{
    FrameObjectList objects = Objects();
    FramePointer pointer;
    FramePointerActions actions;
    pointer.SetHot(objects, 2, actions);
    pointer.Press(objects, Qt::LeftButton, {110, 10}, false, actions);
    EXPECT_EQ(actions.openMenuBelow, objects[2].ObjectRect);
    const FramePointerActions release = ReleaseAt(pointer, objects, {110, 10});
    EXPECT_TRUE(objects[2].Down) << "down while its menu is up";
    EXPECT_FALSE(release.command.has_value());
    FramePointerActions closed;
    pointer.MenuClosed(objects, closed);
    EXPECT_FALSE(objects[2].Down);
    FramePointerActions twice;
    pointer.DoubleClick(objects, twice);
    EXPECT_EQ(twice.command, TbsSkinCommand::Close) << "its double click closes the form";
}

TEST(FramePointer, ACaptionIsNeverCapturedAndHotIndicesOutsideTheListAreNone)
{
    FrameObjectList objects = Objects();
    FramePointer pointer;
    FramePointerActions actions;
    pointer.SetHot(objects, 0, actions);
    pointer.Press(objects, Qt::LeftButton, {10, 10}, true, actions);
    EXPECT_EQ(pointer.Captured(), -1);
    // A handler rebuilt the list with fewer objects: the old index is no object any more.
    objects.resize(1);
    pointer.SetHot(objects, 2, actions);
    EXPECT_EQ(pointer.Hot(), -1);
    FramePointerActions none;
    pointer.Move(objects, {5, 5}, none);
    EXPECT_TRUE(none.notices.isEmpty());
}

}  // namespace
