#pragma once

#include <QWidget>

// The note over a page whose pointer is locked, telling the player how to get the pointer
// back: a dark rounded strip at the top of the page, which the pointer passes through.
class PointerLockHint : public QWidget {
    Q_OBJECT
public:
    static inline const QString Text = QStringLiteral("按 Esc 键可显示鼠标指针");

    explicit PointerLockHint(QWidget* page);

    // Shows the strip centred at the top of the page, above the page's own drawing.
    void Appear();

protected:
    void paintEvent(QPaintEvent* event) override;
};
