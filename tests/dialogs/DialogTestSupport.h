#pragma once

#include "support/Wait.h"
#include "dialogs/TDialogForm.h"
#include "skinframe/ShownFrameObjects.h"
#include "skinframe/TbsSkinFrame.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

// What the dialog tests do to a dialog: show it as the modal window it is, press keys where
// the focus is, and use its frame.
namespace DialogTest {

inline void ShowActive(QDialog& dialog)
{
    dialog.setModal(true);
    dialog.show();
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

inline void Key(QDialog& dialog, Qt::Key key)
{
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == &dialog ? focus : &dialog, key);
}

// A click on the frame's close button, as the pointer gives it.
inline void ClickCloseButton(TDialogForm& dialog)
{
    const TbsActiveSkinObject* close = dialog.bsSkinFrame1->FindObject(QStringLiteral("closebutton"));
    ASSERT_NE(close, nullptr);
    const QPoint at = close->ObjectRect.center();
    QTest::mouseMove(&dialog, at);
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, at);
}

// The dialog's chrome as the shipped skin draws it: the frame of the given border style and
// caption buttons, a window shape, the client area of the given size inside the borders, and
// a place in the middle of the screen.
inline void ExpectSkinnedFrame(const TDialogForm& dialog, TFormBorderStyle border, const QStringList& buttons,
                               QSize client)
{
    const TbsSkinFrame& frame = *dialog.bsSkinFrame1;
    EXPECT_EQ(frame.objectName(), QStringLiteral("bsSkinFrame1"));
    EXPECT_EQ(frame.BorderStyle(), border);
    EXPECT_TRUE(frame.DrawsChrome() && frame.SkinLoaded());
    EXPECT_EQ(ShownFrameObjects(frame), buttons);
    EXPECT_FALSE(dialog.mask().isEmpty()) << "shaped by the skin's mask";
    EXPECT_EQ(dialog.contentsRect().size(), client);
    EXPECT_EQ(dialog.Client()->geometry(), dialog.contentsRect());
    EXPECT_GT(dialog.contentsMargins().top(), dialog.contentsMargins().left()) << "a caption bar above";
    const QPoint middle = QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE((dialog.frameGeometry().center() - middle).manhattanLength(), 1);
}

}  // namespace DialogTest
