#pragma once

#include "browser/TWebBrowser.h"
#include "mainwindow/TFormMain.h"
#include "support/FakeClock.h"
#include "support/FakeNotificationIcon.h"
#include "support/FakeWindowManager.h"
#include "support/PortalFixture.h"
#include "support/RecordingDefaultBrowser.h"
#include "support/Wait.h"

#include <gtest/gtest.h>
#include <memory>

// A main window for the demo portal, with recording fakes for the window system, the default
// browser and the notification area, and a clock that moves only when the test moves it.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override { Start(); }
    // Builds and shows the window, as the client's start does; a window there goes first.
    void Start()
    {
        form.reset();
        TFormMain::Services services{windows, browser, PackDirectory(), &tray, &clock};
        Configure(services);
        form = std::make_unique<TFormMain>(PortalUrl(), services);
        form->show();
        // The main tab's browser comes once the window is on screen.
        ASSERT_TRUE(WaitFor([&] { return form->WebBrowser != nullptr; }));
    }
    void TearDown() override { form.reset(); }
    // The resource pack the build made; a test may look elsewhere.
    virtual QString PackDirectory() const { return QStringLiteral(KESTRUNE_PACK_DIR); }
    // A test may change the services the window gets (folders of its own, say).
    virtual void Configure(TFormMain::Services&) {}
    // The demo portal; a test may name another address.
    virtual QString PortalUrl() const { return portal.BaseUrl(); }

    PortalFixture portal;
    FakeWindowManager windows;
    RecordingDefaultBrowser browser;
    FakeNotificationIcon tray;
    FakeClock clock;
    std::unique_ptr<TFormMain> form;
};
