#include "support/MainWindowFixture.h"
#include "support/PageScript.h"

#include "browser/MuteSwitch.h"
#include "framework/TMenuItem.h"
#include "framework/TTabSheet.h"
#include "skincontrols/TbsSkinPageControl.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineSettings>

namespace {

// The player's choices are kept in a folder of the test's own.
class PageSound : public MainWindowFixture {
protected:
    void Configure(TFormMain::Services& services) override { services.SettingsDirectory = settings.path(); }
    TWebBrowser* PlayTone()
    {
        TWebBrowser* tab = form->OpenTab(QString(), nullptr);
        tab->settings()->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
        tab->Navigate(portal.Url(QStringLiteral("lab/sound.html")));
        if (!WaitFor([&] { return tab->title() == QStringLiteral("声音"); }))
            return nullptr;
        tab->page()->runJavaScript(QStringLiteral("document.body.click()"));
        return WaitForScript(tab->page(), QStringLiteral("window.playing"), true) ? tab : nullptr;
    }
    // Whether the tab strip shows pixels of the caption's colour right of the caption of the
    // tab at Index, where the speaker goes.
    bool SpeakerShown(int index)
    {
        const QImage strip = form->bsSkinPageControl->grab().toImage();
        const QRect tab = form->bsSkinPageControl->TabRect(index);
        const int captionEnd = tab.left() + 25
            + form->bsSkinPageControl->fontMetrics().horizontalAdvance(form->bsSkinPageControl->Page(index)->Caption());
        int dark = 0;
        for (int x = captionEnd + 2; x < captionEnd + 16; ++x)
            for (int y = tab.top() + 8; y < tab.top() + 22; ++y)
                dark += qGray(strip.pixel(x, y)) < 80 ? 1 : 0;
        return dark > 10;
    }

    QTemporaryDir settings;
};

TEST_F(PageSound, TheTrayMutesEveryTabAndTheChoiceOutlastsTheClient)
{
    ASSERT_TRUE(settings.isValid());
    TWebBrowser* tone = PlayTone();
    ASSERT_NE(tone, nullptr);
    ASSERT_TRUE(WaitFor([&] { return tone->page()->recentlyAudible(); }));
    EXPECT_TRUE(WaitFor([&] { return SpeakerShown(1); }));
    EXPECT_FALSE(SpeakerShown(0));

    // The engine reports the mute; it goes on reporting the page's sound, which it measures
    // before the mute, but the tab shows no speaker while nothing can be heard.
    QSignalSpy muted(tone->page(), &QWebEnginePage::audioMutedChanged);
    form->MenuItemMuteClick(form->MenuItemMute);
    EXPECT_TRUE(form->MenuItemMute->Checked());
    EXPECT_EQ(muted.size(), 1);
    EXPECT_TRUE(tone->page()->isAudioMuted());
    EXPECT_TRUE(form->WebBrowser->page()->isAudioMuted());
    EXPECT_TRUE(WaitFor([&] { return !SpeakerShown(1); }));
    TWebBrowser* later = form->OpenTab(portal.Url(QStringLiteral("games.html")), nullptr);
    EXPECT_TRUE(later->page()->isAudioMuted());

    Open(PortalUrl());
    EXPECT_TRUE(form->MenuItemMute->Checked());
    EXPECT_TRUE(form->WebBrowser->page()->isAudioMuted());
    form->MenuItemMuteClick(form->MenuItemMute);
    Open(PortalUrl());
    EXPECT_FALSE(form->MenuItemMute->Checked());
    EXPECT_FALSE(form->WebBrowser->page()->isAudioMuted());
}

}  // namespace
