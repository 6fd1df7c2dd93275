#pragma once

#include "platform/NotificationIcon.h"

class QSystemTrayIcon;

// The desktop's own notification area, through QSystemTrayIcon. Without a notification area a
// shown icon waits for one: it appears when one starts.
//
// The icon's menu is asked for when the right button is let go over the icon, not when it
// goes down (where the toolkit reports it): a menu that opens under the pointer would
// otherwise take the release for a choice.
class SystemNotificationIcon : public NotificationIcon {
    Q_OBJECT
public:
    explicit SystemNotificationIcon(QObject* parent = nullptr);

    bool HostAvailable() const override;
    void SetIcon(const QIcon& icon) override;
    void SetHint(const QString& hint) override;
    void Show() override;
    void Hide() override;

    // The toolkit's icon, for tests.
    QSystemTrayIcon* Icon() const { return icon_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ContextAsked();
    void StopAwaitingRelease();

    QSystemTrayIcon* icon_;
    bool awaitingRelease_ = false;
};
