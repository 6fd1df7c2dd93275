#include "dialogs/TFormMsgBox.h"

#include "dialogs/DialogTestSupport.h"
#include "skin/TbsSkinData.h"
#include "skincontrols/TbsSkinButton.h"
#include "skincontrols/TbsSkinTextLabel.h"

#include <gtest/gtest.h>

namespace {

const QString kQuestion = QStringLiteral("清理缓存可以修复部分游戏显示不正确的问题。");

// A message box with the client's skin, set up and shown as a modal dialog, active.
struct ShownBox {
    TbsSkinData store;
    std::unique_ptr<TFormMsgBox> box;

    explicit ShownBox(int mode, const QString& text = kQuestion)
    {
        store.LoadPackageFile(QStringLiteral(KESTRUNE_DEFAULT_SKIN));
        box = std::make_unique<TFormMsgBox>(&store);
        SetupMsgBox(box.get(), text, QStringLiteral("清理缓存"), mode);
        DialogTest::ShowActive(*box);
    }
    // The rows of the text's place that hold ink, as runs: one per line of text.
    int TextLines() const
    {
        const TbsSkinTextLabel& label = *box->bsSkinTextLabelContent;
        const QImage text = box->grab(QRect(label.mapTo(box.get(), QPoint()), label.size())).toImage();
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
    const struct {
        int mode;
        QRect ok;
        bool cancelShown;
    } cases[] = {
        {0, QRect(241, 111, 75, 25), false},
        {4, QRect(160, 111, 75, 25), true},
        {1, QRect(160, 111, 75, 25), true},
    };
    for (const auto& c : cases) {
        ShownBox shown(c.mode);
        const TFormMsgBox& box = *shown.box;
        EXPECT_EQ(box.windowTitle(), QStringLiteral("清理缓存")) << c.mode;
        EXPECT_EQ(box.bsSkinTextLabelContent->Lines(), QStringList{kQuestion}) << c.mode;
        EXPECT_EQ(box.bsSkinButtonOk->geometry(), c.ok) << c.mode;
        EXPECT_EQ(box.bsSkinButtonCancel->geometry(), QRect(241, 111, 75, 25)) << c.mode;
        EXPECT_EQ(box.bsSkinButtonCancel->isVisible(), c.cancelShown) << c.mode;
        EXPECT_TRUE(box.bsSkinButtonOk->isVisible()) << c.mode;
        EXPECT_EQ(box.bsSkinButtonOk->Caption(), QStringLiteral("确定"));
        EXPECT_EQ(box.bsSkinButtonCancel->Caption(), QStringLiteral("取消"));
        EXPECT_EQ(box.bsSkinTextLabelContent->SkinData(), &shown.store);
        EXPECT_EQ(box.bsSkinButtonOk->SkinData(), &shown.store);
        EXPECT_EQ(box.bsSkinFrame1->SkinData(), &shown.store);
        DialogTest::ExpectSkinnedFrame(box, TFormBorderStyle::bsDialog,
                                       {QStringLiteral("caption"), QStringLiteral("closebutton"),
                                        QStringLiteral("sysmenubutton")},
                                       QSize(324, 152));
    }
}

// Enter clicks the focused button (OK first), Escape the Cancel button where there is one;
// closing by the frame is never an OK.
TEST(TFormMsgBox, OnlyOkAnswersYesWhetherByEnterTheMouseOrTheFrame)
{
    enum Action { Enter, Escape, CloseButton };
    const struct {
        const char* what;
        int mode;
        bool focusCancel;
        Action action;
        bool closes;
        int result;
    } cases[] = {
        {"Enter, OK focused", 4, false, Enter, true, 1},
        {"Enter, Cancel focused", 4, true, Enter, true, 2},
        {"Escape, OK focused", 4, false, Escape, true, 2},
        {"Escape, Cancel focused", 4, true, Escape, true, 2},
        {"Enter, OK alone", 0, false, Enter, true, 1},
        {"Escape, OK alone", 0, false, Escape, false, 0},
        {"the frame's close button", 4, false, CloseButton, true, 0},
        {"the frame's close button, OK alone", 0, false, CloseButton, true, 0},
    };
    for (const auto& c : cases) {
        ShownBox shown(c.mode);
        TFormMsgBox& box = *shown.box;
        EXPECT_EQ(QApplication::focusWidget(), box.bsSkinButtonOk) << c.what << ": OK comes first";
        if (c.focusCancel)
            box.bsSkinButtonCancel->setFocus();
        if (c.action == CloseButton)
            DialogTest::ClickCloseButton(box);
        else
            DialogTest::Key(box, c.action == Enter ? Qt::Key_Return : Qt::Key_Escape);
        if (c.closes)
            EXPECT_TRUE(WaitForHidden(box)) << c.what;
        else
            EXPECT_TRUE(box.isVisible()) << c.what;
        EXPECT_EQ(box.result(), c.result) << c.what;
    }
}

TEST(TFormMsgBox, ALineBreakMakesTwoLinesAndALongTextWrapsWithinTheLabel)
{
    const struct {
        const char* what;
        QString text;
        int lines;
    } cases[] = {
        {"one line", kQuestion, 1},
        {"a line break", kQuestion + QStringLiteral("\r\n请在清理前退出游戏。"), 2},
        {"a bare line feed", kQuestion + QStringLiteral("\n请在清理前退出游戏。"), 2},
        {"longer than the label is wide", kQuestion + kQuestion + kQuestion, 3},
    };
    for (const auto& c : cases) {
        ShownBox shown(4, c.text);
        EXPECT_EQ(shown.TextLines(), c.lines) << c.what;
        EXPECT_EQ(shown.box->bsSkinTextLabelContent->Lines().size(), 1) << c.what << ": the text stays one entry";
        EXPECT_EQ(shown.box->bsSkinTextLabelContent->geometry(), QRect(24, 27, 273, 69)) << c.what << ": fixed size";
    }
}

}  // namespace
