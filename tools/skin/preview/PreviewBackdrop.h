#pragma once

#include <QColor>
#include <QWidget>

class TbsSkinData;

// The window under a control that has no background of its own (a text label, a check box):
// the skin's face colour, or the system's without a skin. Its children take its size.
class PreviewBackdrop : public QWidget {
public:
    explicit PreviewBackdrop(const TbsSkinData* skin);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QColor face_;
};
