#pragma once

#include "browser/TWebBrowser.h"
#include "mainwindow/TFormMain.h"
#include "support/FakeNotificationIcon.h"
#include "support/FakeWindowManager.h"
#include "support/PortalFixture.h"
#include "support/RecordingDefaultBrowser.h"
#include "support/Wait.h"

#include <gtest/gtest.h>
#include <memory>

// A main window for the demo portal, with recording fakes for the window system, the default
// browser and the notification area.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TFormMain>(portal.BaseUrl(),
                                           TFormMain::Services{windows, browser, PackDirectory(), &tray});
        form->show();
        // The main tab's browser comes once the window is on screen.
        ASSERT_TRUE(WaitFor([&] { return form->WebBrowser != nullptr; }));
    }
    void TearDown() override { form.reset(); }
    // The resource pack the build made; a test may look elsewhere.
    virtual QString PackDirectory() const { return QStringLiteral(KESTRUNE_PACK_DIR); }

    PortalFixture portal;
    FakeWindowManager windows;
    RecordingDefaultBrowser browser;
    FakeNotificationIcon tray;
    std::unique_ptr<TFormMain> form;
};
