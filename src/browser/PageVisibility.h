#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWebEngineView;
class QWidget;

// Tells every page of a window whether it can be seen, so that pages nobody sees go idle
// (document.visibilityState "hidden", no animation frames): a page is visible only while its
// view is shown and the window is neither hidden nor minimized. The engine notices most of
// this by itself, but not a view that appears inside a minimized window.
class PageVisibility : public QObject {
    Q_OBJECT
public:
    explicit PageVisibility(QWidget* window);

    void Watch(QWebEngineView* view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether View's page is to be visible now.
    bool Seen(const QWebEngineView* view) const;
    void Schedule();
    void Update();

    QWidget* window_;
    QList<QPointer<QWebEngineView>> views_;
    bool scheduled_ = false;
};
