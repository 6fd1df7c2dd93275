#include "app/ChineseTranslations.h"
#include "browser/TWebPage.h"

#include <QCoreApplication>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

// What Qt and the web engine still draw speaks Chinese: the toolkit's own words, the engine's
// words (the leave question the client recognises among them), and the locale pages are
// offered.
TEST(ChineseTranslations, QtAndTheEngineSpeakChinese)
{
    const QString leave = TWebPage::LeaveQuestionText();
    EXPECT_TRUE(InstallChineseTranslations(*QCoreApplication::instance()).isEmpty());
    EXPECT_EQ(QLocale().name(), QStringLiteral("zh_CN"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    EXPECT_NE(TWebPage::LeaveQuestionText(), leave);
    EXPECT_TRUE(TWebPage::LeaveQuestionText().contains(QStringLiteral("离开")));
}

}  // namespace
