#pragma once

#include <QObject>

class QWidget;

// Shows a view's tooltips as plain text. The engine hands a page's title attributes to the
// view as they stand, and a tooltip reads markup: a page could show pictures, links and
// styled text that are not its words. Long texts are cut.
class PlainToolTips : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype MaxLength = 1024;

    // Watches View for as long as it lives.
    explicit PlainToolTips(QWidget* view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* view_;
};
