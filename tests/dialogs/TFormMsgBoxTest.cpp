#include "dialogs/TFormMsgBox.h"

#include "skin/TbsSkinData.h"
#include "skincontrols/TbsSkinButton.h"
#include "skincontrols/TbsSkinTextLabel.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A message box with the client's skin, set up and shown as a modal dialog, active.
struct ShownBox {
    TbsSkinData store;
    TFormMsgBox box{&store};

    ShownBox(int mode, const QString& text = QStringLiteral("清理缓存可以修复部分游戏显示不正确的问题。"))
    {
        store.LoadPackageFile(QStringLiteral(KESTRUNE_DEFAULT_SKIN));
        SetupMsgBox(&box, text, QStringLiteral("清理缓存"), mode);
        box.setModal(true);
        box.show();
        box.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
    }
    void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &box, key); }
    // The rows of the text's place that hold ink, as runs: one per line of text.
    int TextLines()
    {
        const QImage text = box.grab(box.bsSkinTextLabelContent->geometry()).toImage();
        const QRgb paper = text.pixel(text.width() - 1, text.height() - 1);
        int runs = 0;
        bool inLine = false;
        for (int y = 0; y < text.height(); ++y) {
            bool ink = false;
            for (int x = 0; x < text.width() && !ink; ++x)
                ink = text.pixel(x, y) != paper;
            runs += ink && !inLine ? 1 : 0;
            inLine = ink;
        }
        return runs;
    }
};

TEST(TFormMsgBox, ModeZeroShowsOkAloneWhereCancelStandsAndOtherModesShowBoth)
{
    ShownBox one(0);
    EXPECT_EQ(one.box.windowTitle(), QStringLiteral("清理缓存"));
    EXPECT_EQ(one.box.size(), QSize(324, 152));
    EXPECT_EQ(one.box.bsSkinTextLabelContent->Lines(), QStringList{QStringLiteral("清理缓存可以修复部分游戏显示不正确的问题。")});
    EXPECT_EQ(one.box.bsSkinButtonOk->geometry(), QRect(241, 111, 75, 25));
    EXPECT_FALSE(one.box.bsSkinButtonCancel->isVisible());

    ShownBox two(4);
    EXPECT_EQ(two.box.bsSkinButtonOk->geometry(), QRect(160, 111, 75, 25));
    EXPECT_EQ(two.box.bsSkinButtonCancel->geometry(), QRect(241, 111, 75, 25));
    EXPECT_TRUE(two.box.bsSkinButtonCancel->isVisible());
    EXPECT_EQ(two.box.bsSkinButtonOk->Caption(), QStringLiteral("确定"));
    EXPECT_EQ(two.box.bsSkinButtonCancel->Caption(), QStringLiteral("取消"));
    EXPECT_EQ(two.box.bsSkinTextLabelContent->SkinData(), &two.store);
    EXPECT_EQ(two.box.bsSkinButtonOk->SkinData(), &two.store);
}

TEST(TFormMsgBox, EnterClicksTheFocusedButtonAndEscapeCancelsWhereThereIsACancelButton)
{
    const struct {
        const char* what;
        int mode;
        bool focusCancel;
        Qt::Key key;
        bool closes;
        int result;
    } cases[] = {
        {"Enter, OK focused", 4, false, Qt::Key_Return, true, 1},
        {"Enter, Cancel focused", 4, true, Qt::Key_Return, true, 2},
        {"Escape, OK focused", 4, false, Qt::Key_Escape, true, 2},
        {"Escape, Cancel focused", 4, true, Qt::Key_Escape, true, 2},
        {"Enter, OK alone", 0, false, Qt::Key_Return, true, 1},
        {"Escape, OK alone", 0, false, Qt::Key_Escape, false, 0},
    };
    for (const auto& c : cases) {
        ShownBox shown(c.mode);
        EXPECT_EQ(QApplication::focusWidget(), shown.box.bsSkinButtonOk) << c.what << ": OK comes first";
        if (c.focusCancel)
            shown.box.bsSkinButtonCancel->setFocus();
        shown.Key(c.key);
        EXPECT_EQ(shown.box.isVisible(), !c.closes) << c.what;
        EXPECT_EQ(shown.box.result(), c.result) << c.what;
    }
}

TEST(TFormMsgBox, ALineBreakInTheTextShowsAsTwoLines)
{
    ShownBox oneLine(4, QStringLiteral("清理缓存可以修复部分游戏显示不正确的问题。"));
    EXPECT_EQ(oneLine.TextLines(), 1);
    ShownBox twoLines(4, QStringLiteral("清理缓存可以修复部分游戏显示不正确的问题。\r\n请在清理前退出游戏。"));
    EXPECT_EQ(twoLines.TextLines(), 2);
    EXPECT_EQ(twoLines.box.bsSkinTextLabelContent->Lines().size(), 1) << "the text stays one entry";
}

}  // namespace
