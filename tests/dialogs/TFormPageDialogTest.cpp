#include "dialogs/TFormPageDialog.h"
#include "dialogs/WaitingDialogs.h"

#include "dialogs/DialogTestSupport.h"
#include "skin/TbsSkinData.h"
#include "skincontrols/TbsSkinButton.h"
#include "skincontrols/TbsSkinCheckBox.h"
#include "skincontrols/TbsSkinEdit.h"
#include "skincontrols/TbsSkinTextLabel.h"

#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct ShownPageBox {
    TbsSkinData store;
    std::unique_ptr<TFormPageDialog> box;

    explicit ShownPageBox(const PageDialogContent& content)
    {
        store.LoadPackageFile(QStringLiteral(KESTRUNE_DEFAULT_SKIN));
        box = std::make_unique<TFormPageDialog>(&store, content);
        DialogTest::ShowActive(*box);
    }
};

PageDialogContent Content(const QString& text, const QString& cancel = QString(), bool edit = false, bool block = false)
{
    PageDialogContent content;
    content.caption = QStringLiteral("127.0.0.1:8760");
    content.text = text;
    content.cancelCaption = cancel;
    content.edit = edit;
    content.editText = QStringLiteral("玩家一号");
    content.offerBlock = block;
    return content;
}

// OK alone sits at the right and Escape answers it; with Cancel, OK stands left of it. A line
// to type comes under the text with the keyboard and its first value chosen, the check box
// under that; the buttons close the box, which is as tall as what it holds.
TEST(TFormPageDialog, PlacesWhatItAsksUnderTheTextAndSizesItselfToIt)
{
    const QString line = QStringLiteral("确定要开始新游戏吗？");
    ShownPageBox alert(Content(line));
    ShownPageBox prompt(Content(line, QStringLiteral("取消"), true, true));
    const TFormPageDialog& a = *alert.box;
    const TFormPageDialog& p = *prompt.box;
    EXPECT_EQ(a.windowTitle(), QStringLiteral("127.0.0.1:8760"));
    EXPECT_EQ(a.bsSkinButtonCancel, nullptr);
    EXPECT_EQ(a.bsSkinEditValue, nullptr);
    EXPECT_EQ(a.bsSkinCheckBoxBlock, nullptr);
    EXPECT_EQ(p.bsSkinButtonOk->geometry().right() + 7, p.bsSkinButtonCancel->geometry().left());
    EXPECT_EQ(a.bsSkinButtonOk->geometry().right(), p.bsSkinButtonCancel->geometry().right());
    EXPECT_LT(p.bsSkinTextLabelContent->geometry().bottom(), p.bsSkinEditValue->y());
    EXPECT_LT(p.bsSkinEditValue->geometry().bottom(), p.bsSkinCheckBoxBlock->y());
    EXPECT_LT(p.bsSkinCheckBoxBlock->geometry().bottom(), p.bsSkinButtonOk->y());
    EXPECT_EQ(p.Client()->height() - a.Client()->height(), p.bsSkinButtonOk->y() - a.bsSkinButtonOk->y());
    EXPECT_EQ(QApplication::focusWidget(), p.bsSkinEditValue->Editor());
    EXPECT_EQ(p.bsSkinEditValue->Editor()->selectedText(), QStringLiteral("玩家一号"));
    EXPECT_EQ(p.bsSkinCheckBoxBlock->Caption(), QStringLiteral("阻止此页面显示更多对话框"));

    DialogTest::Key(*alert.box, Qt::Key_Escape);
    EXPECT_TRUE(WaitForHidden(*alert.box));
    EXPECT_EQ(alert.box->result(), 1) << "Escape answers OK when there is nothing else to say";
    DialogTest::Key(*prompt.box, Qt::Key_Return);
    EXPECT_TRUE(WaitForHidden(*prompt.box));
    EXPECT_EQ(prompt.box->result(), 1) << "Enter in the line answers OK";
    EXPECT_EQ(prompt.box->Value(), QStringLiteral("玩家一号"));
}

// A long text wraps in the box and grows it, up to a height where it is cut with "…".
TEST(TFormPageDialog, ALongTextGrowsTheBoxUpToABound)
{
    const QString sentence = QStringLiteral("星海远征的舰队已经集结完毕，等待指挥官的命令。");
    int lastHeight = 0;
    for (const int sentences : {1, 4, 400}) {
        QString text;
        for (int i = 0; i < sentences; ++i)
            text += sentence;
        ShownPageBox shown(Content(text));
        const TbsSkinTextLabel& label = *shown.box->bsSkinTextLabelContent;
        EXPECT_LE(label.height(), TFormPageDialog::MaxTextHeight) << sentences;
        EXPECT_GT(shown.box->height(), lastHeight) << sentences;
        lastHeight = shown.box->height();
        const QString shownText = label.Lines().join(QString());
        EXPECT_EQ(shownText.endsWith(u'…'), sentences == 400) << sentences;
        if (sentences == 400)
            EXPECT_TRUE(text.startsWith(shownText.chopped(1)));
        else
            EXPECT_EQ(shownText, text);
    }
}

// Ending answers every waiting dialog as its Cancel would, whether it runs its own loop or
// not, and every later one at once, unshown.
TEST(WaitingDialogs, EndingAnswersEveryDialogAsItsCancelWould)
{
    TbsSkinData store;
    QWidget window;
    window.show();
    WaitingDialogs waiting;
    TFormPageDialog opened(&store, Content(QStringLiteral("允许通知吗？"), QStringLiteral("拒绝")), &window);
    TFormPageDialog running(&store, Content(QStringLiteral("还在吗？"), QStringLiteral("取消")), &window);
    int openedResult = -1;
    waiting.Open(opened, [&](int result) { openedResult = result; });
    EXPECT_TRUE(waiting.Any());
    EXPECT_EQ(opened.windowModality(), Qt::WindowModal);
    QTimer::singleShot(0, &running, [&] {
        EXPECT_EQ(waiting.Newest(), &running);
        waiting.EndAll();
    });
    EXPECT_EQ(waiting.Exec(running), 0);
    EXPECT_EQ(openedResult, 0);
    EXPECT_FALSE(opened.isVisible());
    EXPECT_FALSE(waiting.Any());

    TFormPageDialog later(&store, Content(QStringLiteral("又来了")), &window);
    EXPECT_EQ(waiting.Exec(later), 0);
    EXPECT_FALSE(later.isVisible());
    int laterResult = -1;
    waiting.Open(later, [&](int result) { laterResult = result; });
    EXPECT_EQ(laterResult, 0);
    EXPECT_FALSE(later.isVisible());
}

}  // namespace
