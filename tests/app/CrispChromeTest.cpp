// The real client at a scale factor on an X server of its own: what the screen shows of its
// chrome, its window's shape and where clicks land, against the pictures it is drawn from.
#include "framework/DoubleSizePicture.h"
#include "mainwindow/FrameBands.h"
#include "platform/ModuleRegistry.h"
#include "platform/PeResourceWriter.h"
#include "platform/ResourceAccess.h"
#include "platform/ResourceModule.h"
#include "support/PortalFixture.h"
#include "support/Wait.h"
#include "support/XvfbSession.h"

#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

const QString kBuild = QStringLiteral(KESTRUNE_PACK_DIR);
constexpr QRgb kPanel = qRgb(8, 135, 216);
// Where the main window's definition puts things, in logical pixels of the window.
const QRect kLogo(5, 6, 86, 40);
const QRect kGamesLink(193, 2, 62, 22);
// The left end of the main tab, before its caption: the tab picture and the tab icon at (5, 6).
const QRect kTabStart(95, 27, 25, 30);

// How far two pictures of one size differ: the largest difference of a colour channel, or
// with mean set the mean one; the maximum for pictures of different sizes.
int Difference(const QImage& a, const QImage& b, bool mean = false)
{
    if (a.size() != b.size())
        return std::numeric_limits<int>::max();
    int most = 0;
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int red = std::abs(qRed(p) - qRed(q)), green = std::abs(qGreen(p) - qGreen(q)),
                      blue = std::abs(qBlue(p) - qBlue(q));
            most = std::max({most, red, green, blue});
            sum += red + green + blue;
        }
    return mean ? int(sum / (3 * qint64(a.width()) * a.height())) : most;
}

// Pictures drawn one over another at a device pixel ratio, as the window draws them: each with
// its logical place and its double-size form.
struct Layer {
    QImage base;
    QImage doubleSize;
    QPoint at;
};
QImage Composed(const QSize& logical, qreal ratio, QRgb background, const QList<Layer>& layers)
{
    QImage canvas(qRound(logical.width() * ratio), qRound(logical.height() * ratio), QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(background);
    QPainter painter(&canvas);
    for (const Layer& layer : layers)
        painter.drawImage(layer.at, PictureForRatio(layer.base, layer.doubleSize, ratio));
    return canvas;
}

QImage PackPicture(ModuleHandle pack, const char* name, const char* type, bool doubleSize)
{
    const QString resName = QLatin1String(name), resType = QLatin1String(type);
    return doubleSize ? DecodeResourceVariant(pack, resName, resType) : *DecodeResourceImage(pack, resName, resType);
}

QImage Artwork(const char* name)
{
    return QImage(kBuild + QStringLiteral("src/mainwindow/artwork/") + QLatin1String(name));
}

// The client started at a scale factor, maximized on a screen whose logical size stays above
// the window's smallest at 2, with the demo portal as its home.
class ScaledClient {
public:
    explicit ScaledClient(qreal scale, const QString& program = QStringLiteral(KESTRUNE_DEV_CLIENT))
        : scale_(scale), display_(XvfbSession::Tray::None, 20000, XvfbSession::Desktop::Bare, QSize(2560, 1600))
    {
        if (!display_.Ready() || !home_.isValid())
            return;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        display_.Apply(environment);
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.path());
        for (const char* variable : {"XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
            environment.insert(QLatin1String(variable), home_.filePath(QLatin1String(variable)));
        client_.setProcessEnvironment(environment);
        client_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        client_.start(program, {portal_.BaseUrl()});
        WaitFor([&] {
            for (const XvfbSession::Window& window : display_.WindowsOf(client_.processId()))
                if (window.bounds.width() >= 810 * scale)
                    window_ = window;
            return window_.id != 0;
        }, 60000);
    }
    ~ScaledClient()
    {
        client_.terminate();
        client_.waitForFinished(10000);
    }

    bool Shown() const { return window_.id != 0; }
    const XvfbSession& Display() const { return display_; }
    const XvfbSession::Window& Window() const { return window_; }
    PortalFixture& Portal() { return portal_; }
    // The screen at a place of the window, in device pixels; rounding may put a logical
    // place at half a device pixel, so the nearest of the neighbouring places is taken.
    int DifferenceAt(const QRect& logical, const QImage& expected, bool mean = false) const
    {
        const QPoint at = window_.bounds.topLeft() + QPointF(logical.topLeft() * scale_).toPoint();
        int best = std::numeric_limits<int>::max();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                best = std::min(best, Difference(display_.Grab(QRect(at + QPoint(dx, dy), expected.size())), expected, mean));
        return best;
    }
    // Waits until the screen shows expected there; the difference it ends with.
    int AwaitPicture(const QRect& logical, const QImage& expected, bool mean = false) const
    {
        int difference = 0;
        WaitFor([&] { return (difference = DifferenceAt(logical, expected, mean)) <= 2; }, 30000);
        return difference;
    }
    // A real click, or only a move when button is 0, at a logical point of the window.
    bool PointAt(const QPoint& logical, int button) const
    {
        const QPoint at = window_.bounds.topLeft() + QPointF(logical * scale_).toPoint();
        if (button != 0)
            return display_.Click(at, button);
        return display_.RunOnDisplay(QStringLiteral("xdotool"),
                                     {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())})
            .has_value();
    }

private:
    qreal scale_;
    XvfbSession display_;
    PortalFixture portal_;
    QTemporaryDir home_;
    QProcess client_;
    XvfbSession::Window window_;
};

class CrispChrome : public ::testing::Test {
protected:
    void SetUp() override { pack = ModuleRegistry::load(kBuild + QStringLiteral("Tarvel.dll")); ASSERT_NE(pack, 0u); }
    void TearDown() override { ModuleRegistry::free(pack); }

    QList<Layer> Tab(bool doubleSize) const
    {
        return {{PackPicture(pack, "TabSel", "JPEG", false), PackPicture(pack, "TabSel", "JPEG", doubleSize), {0, 0}},
                {PackPicture(pack, "TabIconMain", "PNG", false), PackPicture(pack, "TabIconMain", "PNG", doubleSize),
                 {5, 6}}};
    }
    QList<Layer> Logo() const { return {{Artwork("logo.png"), Artwork("logo@2x.png"), {0, 0}}}; }

    ModuleHandle pack = 0;
};

}  // namespace

// The title bar's logo and the main tab come from the double-size pictures, scaled down at 1.5;
// a hover and a click at logical places hit the same picture at every scale.
TEST_F(CrispChrome, TheChromeIsDrawnFromTheDoubleSizePicturesAndHitAtLogicalPlaces)
{
    for (const qreal scale : {1.0, 2.0, 1.5}) {
        SCOPED_TRACE(scale);
        ScaledClient client(scale);
        ASSERT_TRUE(client.Shown());
        // At 1.5 a picture may lie half a device pixel off: it is compared by its mean difference.
        const bool mean = scale == 1.5;
        EXPECT_LE(client.AwaitPicture(kLogo, Composed(kLogo.size(), scale, kPanel, Logo()), mean), 2);
        EXPECT_LE(client.AwaitPicture(kTabStart, Composed(kTabStart.size(), scale, kPanel, Tab(true)), mean), 2);
        if (scale > 1) {  // not the 1x pictures enlarged
            const QImage enlargedLogo = Composed(kLogo.size(), scale, kPanel, {{Artwork("logo.png"), {}, {0, 0}}});
            const QImage enlargedTab = Composed(kTabStart.size(), scale, kPanel, Tab(false));
            EXPECT_GT(client.DifferenceAt(kLogo, enlargedLogo, mean), mean ? 4 : 40);
            EXPECT_GT(client.DifferenceAt(kTabStart, enlargedTab, mean), mean ? 4 : 40);
        }

        const QList<Layer> hover{{PackPicture(pack, "YXM", "PNG", false), PackPicture(pack, "YXM", "PNG", true), {0, 0}}};
        ASSERT_TRUE(client.PointAt(kGamesLink.center(), 0));
        EXPECT_LE(client.AwaitPicture(kGamesLink, Composed(kGamesLink.size(), scale, kPanel, hover)), 2);
        ASSERT_TRUE(client.PointAt(kGamesLink.center(), 1));
        EXPECT_TRUE(WaitFor([&] { return client.Portal().Server().CountRequests(QStringLiteral("/games.html")) > 0; }));
    }
}

// At 2 the window's shape is its logical shape doubled: the rounded corners of the 1x window,
// each of its pixels two by two.
TEST_F(CrispChrome, TheWindowsShapeAtTwoIsTheOneTimesShapeDoubled)
{
    ScaledClient client(2);
    ASSERT_TRUE(client.Shown());
    const QRect bounds(QPoint(0, 0), client.Window().bounds.size());
    const QSize logical = bounds.size() / 2;
    const QRegion oneTimes = FrameBands::RoundRectRegion(logical.width() + 1, logical.height() + 7, 7, 7);
    QRegion doubled;
    for (const QRect& rect : oneTimes)
        doubled += QRect(rect.topLeft() * 2, rect.size() * 2);
    QRegion shape;
    // The shape reaches past the window (its bottom corners lie below it); the window shows
    // what lies inside.
    EXPECT_TRUE(WaitFor([&] { return (shape = client.Display().Shape(client.Window().id) & bounds) == (doubled & bounds); }));
    EXPECT_FALSE(shape.contains(QPoint(1, 1)));  // a corner cut, two pixels at a time
    EXPECT_FALSE(shape.contains(QPoint(bounds.width() - 2, 1)));
    EXPECT_TRUE(shape.contains(QPoint(bounds.width() / 2, 0)));
}

// A pack without variants draws its pictures as before, enlarged; the window's own pictures
// keep their double-size forms.
TEST_F(CrispChrome, APackWithoutVariantsDrawsAsBefore)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    PeResourceWriter writer;
    const ResourceModule& module = *ModuleRegistry::find(pack);
    for (const ResourceEntry& entry : module.table().entries())
        if (!entry.name.name().endsWith(QStringLiteral("@2X")))
            writer.add(entry.type, entry.name, entry.language, module.bytesOf(entry).toByteArray());
    QFile packFile(folder.filePath(QStringLiteral("Tarvel.dll")));
    ASSERT_TRUE(packFile.open(QIODevice::WriteOnly));
    packFile.write(writer.build());
    packFile.close();
    const QString program = folder.filePath(QStringLiteral("kestrune-dev"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KESTRUNE_DEV_CLIENT), program));  // the client finds its pack beside itself

    ScaledClient client(2, program);
    ASSERT_TRUE(client.Shown());
    EXPECT_LE(client.AwaitPicture(kTabStart, Composed(kTabStart.size(), 2, kPanel, Tab(false))), 2);
    EXPECT_LE(client.AwaitPicture(kLogo, Composed(kLogo.size(), 2, kPanel, Logo())), 2);
}
