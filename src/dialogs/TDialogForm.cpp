#include "dialogs/TDialogForm.h"

#include "skinui/CellHeightFont.h"
#include "skinui/SkinColor.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

TDialogForm::TDialogForm(const QString& name, const QString& caption, QSize clientSize, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setFont(FontWithHeight(QStringLiteral("Tahoma"), -11));
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, SystemColor(SkinColor::kWindowText));
    setPalette(colours);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->size();
        move((room.width() - width()) / 2, (room.height() - height()) / 2);
    }
}

void TDialogForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
