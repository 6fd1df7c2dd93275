#pragma once

#include "browser/TWebBrowser.h"
#include "mainwindow/TFormMain.h"
#include "support/FakeClock.h"
#include "support/FakeNotificationIcon.h"
#include "support/FakeWindowManager.h"
#include "support/PortalFixture.h"
#include "support/RecordingFileChooser.h"
#include "support/RecordingNotifications.h"
#include "support/RecordingDefaultBrowser.h"
#include "support/Wait.h"

#include <gtest/gtest.h>
#include <memory>

// A main window for the demo portal, with recording fakes for the window system, the default
// browser, the notification area, the file dialog and the desktop's notifications, and a
// clock that moves only when the test moves it.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override { Open(PortalUrl()); }
    // Builds and shows the window for the portal at url, as the client's start does (again, as
    // at the client's next start); a window there goes first.
    void Open(const QString& url)
    {
        form.reset();
        TFormMain::Services services{windows, browser, PackDirectory(), &tray, &clock, nullptr, &files, &notifications};
        Configure(services);
        form = std::make_unique<TFormMain>(url, services);
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
    RecordingFileChooser files;
    RecordingNotifications notifications;
    std::unique_ptr<TFormMain> form;
};
