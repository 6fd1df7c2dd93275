#include "skinui/PaintParentBackground.h"

#include <QPaintEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <stdexcept>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// A widget that fills itself with one colour, can throw from its paint, and notes whether
// its painting-copy flag was set while it painted.
class Swatch : public QWidget {
public:
    Swatch(QWidget* parent, QColor color, bool graphic) : QWidget(parent), color_(color)
    {
        if (graphic)
            setProperty(kGraphicControlProperty, true);
    }
    bool throws = false;
    bool sawCopyFlag = false;

protected:
    void paintEvent(QPaintEvent*) override
    {
        sawCopyFlag = IsPaintingCopy(this);
        if (throws)
            throw std::runtime_error("paint failed");
        QPainter painter(this);
        painter.fillRect(rect(), color_);
    }

private:
    QColor color_;
};

struct Scene {
    QWidget window;
    Swatch* parent;
    Swatch* graphicBelow;
    Swatch* windowedBelow;
    Swatch* graphicApart;
    QWidget* control;
    Swatch* graphicAbove;

    Scene()
    {
        window.resize(200, 200);
        parent = new Swatch(&window, Qt::red, false);
        parent->setGeometry(10, 10, 100, 100);
        graphicBelow = new Swatch(parent, Qt::blue, true);
        graphicBelow->setGeometry(5, 5, 20, 20);
        windowedBelow = new Swatch(parent, Qt::green, false);
        windowedBelow->setGeometry(30, 10, 10, 10);
        graphicApart = new Swatch(parent, Qt::yellow, true);
        graphicApart->setGeometry(80, 80, 10, 10);
        control = new QWidget(parent);
        control->setGeometry(10, 10, 40, 30);
        graphicAbove = new Swatch(parent, Qt::magenta, true);
        graphicAbove->setGeometry(40, 20, 10, 10);
    }
};

QImage Blank()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

TEST(PaintParentBackground, PaintsTheParentAndTheGraphicSiblingsBelow)
{
    Scene scene;
    QImage image = Blank();
    QPainter painter(&image);
    PaintParentBackground(scene.control, painter);
    EXPECT_FALSE(painter.hasClipping());
    EXPECT_TRUE(painter.worldTransform().isIdentity());
    painter.end();

    // graphicBelow covers parent (5..25, 5..25) = control (-5..15, -5..15).
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(14, 14), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(15, 15), qRgb(255, 0, 0));
    // The windowed sibling and the graphic one above the control are not painted.
    EXPECT_EQ(image.pixel(22, 2), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(35, 15), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(39, 29), qRgb(255, 0, 0));
    EXPECT_TRUE(scene.parent->sawCopyFlag);
    EXPECT_FALSE(IsPaintingCopy(scene.parent));
}

TEST(PaintParentBackground, OriginRectangleShiftsThePicture)
{
    Scene scene;
    QImage image = Blank();
    QPainter painter(&image);
    PaintParentBackground(scene.control, painter, QRect(10, 10, 1, 1));
    painter.end();
    EXPECT_EQ(image.pixel(4, 4), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 0, 0));
}

TEST(PaintParentBackground, TopLevelParentGivesItsPaletteBackground)
{
    QWidget form;
    form.resize(50, 50);
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, QColor(9, 99, 199));
    form.setPalette(palette);
    QWidget* control = new QWidget(&form);
    control->setGeometry(10, 10, 20, 20);
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintParentBackground(control, painter);
    painter.end();
    EXPECT_EQ(image.pixel(0, 0), qRgb(9, 99, 199));
    EXPECT_EQ(image.pixel(19, 19), qRgb(9, 99, 199));
}

TEST(PaintParentBackground, StateIsRestoredWhenAPaintThrows)
{
    Scene scene;
    scene.graphicBelow->throws = true;
    scene.parent->setProperty(kPaintingCopyProperty, QVariant());
    QImage image = Blank();
    QPainter painter(&image);
    painter.translate(3, 4);
    painter.setClipRect(QRect(0, 0, 30, 20));
    const QTransform transform = painter.worldTransform();
    const QRegion clip = painter.clipRegion();
    {
#if defined(__SANITIZE_ADDRESS__)
        // Qt's own frames between render() and the paint are built without unwind cleanup, so
        // the exception strands a region Qt allocated there. The client never lets exceptions
        // cross Qt (its application object catches them); only this test does.
        __lsan::ScopedDisabler strandedByQt;
#endif
        EXPECT_THROW(PaintParentBackground(scene.control, painter), std::runtime_error);
    }
    EXPECT_EQ(painter.worldTransform(), transform);
    EXPECT_EQ(painter.clipRegion(), clip);
    painter.end();
    EXPECT_FALSE(IsPaintingCopy(scene.parent));
    EXPECT_FALSE(scene.parent->property(kPaintingCopyProperty).isValid());
}
