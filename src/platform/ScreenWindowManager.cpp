#include "platform/ScreenWindowManager.h"

#include "platform/PendingWindowDrag.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {
QRect PrimaryGeometry(QRect (QScreen::*which)() const)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? (screen->*which)() : QRect();
}
}  // namespace

Qt::Edges EdgesOfHitCode(int hitCode)
{
    switch (hitCode) {
    case HTLEFT: return Qt::LeftEdge;
    case HTRIGHT: return Qt::RightEdge;
    case HTTOP: return Qt::TopEdge;
    case HTBOTTOM: return Qt::BottomEdge;
    case HTTOPLEFT: return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT: return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOMLEFT: return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT: return Qt::BottomEdge | Qt::RightEdge;
    default: return {};
    }
}

void ScreenWindowManager::BeginSystemDrag(QWidget* window, int hitCode)
{
    const Qt::Edges edges = EdgesOfHitCode(hitCode);
    if (hitCode == HTCAPTION || edges)
        PendingWindowDrag::Start(window->window(), edges);
}

WorkAreaRect ScreenWindowManager::WorkArea()
{
    const QRect area = PrimaryGeometry(&QScreen::availableGeometry);
    return {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

AppBarData ScreenWindowManager::TaskbarPosition()
{
    return TaskbarBetween(PrimaryGeometry(&QScreen::geometry), PrimaryGeometry(&QScreen::availableGeometry));
}

QRect ScreenWindowManager::ScreenArea(const QWidget* window, bool workArea)
{
    const QScreen* screen = window ? window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QRect();
    return workArea ? screen->availableGeometry() : screen->geometry();
}

AppBarData ScreenWindowManager::TaskbarBetween(const QRect& screen, const QRect& available)
{
    const int right = screen.left() + screen.width(), bottom = screen.top() + screen.height();
    const int availRight = available.left() + available.width();
    const int availBottom = available.top() + available.height();
    if (available.isEmpty() || available == screen)
        return {};
    if (availBottom < bottom)
        return {AppBarData::Bottom, screen.left(), availBottom, right, bottom};
    if (available.top() > screen.top())
        return {AppBarData::Top, screen.left(), screen.top(), right, available.top()};
    if (available.left() > screen.left())
        return {AppBarData::Left, screen.left(), screen.top(), available.left(), bottom};
    if (availRight < right)
        return {AppBarData::Right, availRight, screen.top(), right, bottom};
    return {};
}
