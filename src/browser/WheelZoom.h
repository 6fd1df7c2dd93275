#pragma once

#include <QObject>

class QWebEngineView;

// Turns the wheel turned with the control key over a view into steps along the zoom scale of
// the view's page, one step per notch, before the page or the engine sees it.
class WheelZoom : public QObject {
    Q_OBJECT
public:
    explicit WheelZoom(QWebEngineView* view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch(QObject* object);

    QWebEngineView* view_;
    int turned_ = 0;  // eighths of a degree not yet taken as a step
};
