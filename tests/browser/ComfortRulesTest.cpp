#include "browser/EngineAddress.h"
#include "browser/LocalPage.h"
#include "browser/PortalRetry.h"
#include "browser/ZoomSteps.h"

#include <gtest/gtest.h>

namespace {

TEST(EngineAddress, SpellsAnAddressAsTheEngineReportsIt)
{
    const struct {
        const char* configured;
        const char* expected;
    } cases[] = {
        {"http://games.example.com/", "http://games.example.com/"},
        {"http://Games.EXAMPLE.com/Portal/", "http://games.example.com/Portal/"},  // the path keeps its case
        {"HTTP://games.example.com/", "http://games.example.com/"},
        {"http://游戏.example/", "http://xn--unup4y.example/"},
        {"http://games.example.com/门户/", "http://games.example.com/%E9%97%A8%E6%88%B7/"},
        {"http://games.example.com:80/", "http://games.example.com/"},
        {"https://games.example.com:443/", "https://games.example.com/"},
        {"https://games.example.com:80/", "https://games.example.com:80/"},
        {"http://127.0.0.1:8760/", "http://127.0.0.1:8760/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EngineAddress(QString::fromUtf8(c.configured)), QLatin1String(c.expected)) << c.configured;
}

TEST(ZoomSteps, StepAlongTheScaleAndStopAtItsEnds)
{
    const struct {
        qreal factor;
        int direction;
        qreal expected;
    } cases[] = {
        {1.0, 1, 1.1},   {1.1, 1, 1.25},  {1.75, 1, 2.0},  {4.0, 1, 5.0},  {5.0, 1, 5.0},  {7.0, 1, 5.0},
        {1.0, -1, 0.9},  {0.5, -1, 1.0 / 3}, {1.0 / 3, -1, 0.25}, {0.25, -1, 0.25}, {0.1, -1, 0.25},
        {1.6, 1, 1.75},  {1.6, -1, 1.5},  // between two steps: to the neighbour in that direction
        {1.0999999, 1, 1.25},  {0.3333, 1, 0.5},  // as the engine rounds them, steps still count
        {2.5, 0, 1.0},   {0.25, 0, 1.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(ZoomSteps::Stepped(c.factor, c.direction), c.expected) << c.factor << " " << c.direction;
}

TEST(PortalRetry, PausesDoubleFromTwoSecondsToAMinute)
{
    const qint64 expected[] = {2000, 4000, 8000, 16000, 32000, 60000, 60000, 60000};
    for (int attempt = 0; attempt < 8; ++attempt)
        EXPECT_EQ(PortalRetry::Pause(attempt).count(), expected[attempt]) << attempt;
    EXPECT_EQ(PortalRetry::Pause(40).count(), 60000);
    EXPECT_EQ(PortalRetry::Pause(std::numeric_limits<int>::max()).count(), 60000);
}

TEST(LocalPage, ItsTextAndLinkCannotBecomeMarkup)
{
    const LocalPage page{QStringLiteral("<b>标题</b>"), QStringLiteral("a & b"), QStringLiteral("再来\"一次"),
                         QUrl(QStringLiteral("http://example.com/?a=1&b=\"><script>"))};
    const QString html = page.Html();
    EXPECT_TRUE(html.contains(QStringLiteral("<title>&lt;b&gt;标题&lt;/b&gt;</title>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<p>a &amp; b</p>")));
    EXPECT_TRUE(html.contains(QStringLiteral(">再来&quot;一次</a>")));
    EXPECT_TRUE(html.contains(QStringLiteral("href=\"http://example.com/?a=1&amp;b=%22%3E%3Cscript%3E\"")));
    EXPECT_FALSE(html.contains(QStringLiteral("<script")));
}

}  // namespace
