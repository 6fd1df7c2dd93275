#include "dialogs/TDialogForm.h"

#include "skinframe/TbsSkinFrame.h"
#include "skinui/CellHeightFont.h"
#include "skinui/SkinColor.h"

#include <QKeyEvent>
#include <QVBoxLayout>

TDialogForm::TDialogForm(const QString& name, const QString& caption, QSize clientSize, TFormBorderStyle border,
                         TbsBorderIcons icons, TbsSkinData* skinData, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    setFont(FontWithHeight(QStringLiteral("Tahoma"), -11));
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, SystemColor(SkinColor::kWindowText));
    setPalette(colours);

    // The layout keeps the client area inside the contents margins, which are the frame's
    // borders and change with the skin.
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Client"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(client_);

    bsSkinFrame1 = new TbsSkinFrame(this, border);
    bsSkinFrame1->setObjectName(QStringLiteral("bsSkinFrame1"));
    bsSkinFrame1->SetBorderIcons(icons);
    bsSkinFrame1->SetClientWidth(clientSize.width());
    bsSkinFrame1->SetClientHeight(clientSize.height());
    bsSkinFrame1->SetSkinData(skinData);
    // Centred on its screen at its first show, once the skin and the caller have sized it.
    bsSkinFrame1->SetPositionInMonitor(TbsPositionInMonitor::bspScreenCenter);
}

TDialogForm::~TDialogForm()
{
    // The frame first: nothing of the dialog's own teardown may reach it half gone.
    delete bsSkinFrame1;
}

void TDialogForm::SetClientHeight(int height)
{
    bsSkinFrame1->SetClientHeight(height);
    const QMargins borders = contentsMargins();
    resize(width(), height + borders.top() + borders.bottom());
}

void TDialogForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
