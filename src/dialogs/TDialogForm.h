#pragma once

#include "skinframe/TbsSkinFrameTypes.h"

#include <QDialog>
#include <QSize>
#include <QString>

class TbsSkinData;
class TbsSkinFrame;

// The base of the client's two small dialogs: a skinned frame drawn from the main window's
// store (border, caption, caption buttons and shape all come from the skin), a fixed client
// size inside it, the "Tahoma" font of 11-pixel characters in the window-text colour, and a
// place in the middle of the screen.
// Like every form of the client, it closes by its buttons and its frame, not by Escape as such:
// Escape only clicks a Cancel button when the dialog has one.
class TDialogForm : public QDialog {
    Q_OBJECT
public:
    // border and icons: the frame's border style and the caption buttons besides close.
    TDialogForm(const QString& name, const QString& caption, QSize clientSize, TFormBorderStyle border,
                TbsBorderIcons icons, TbsSkinData* skinData, QWidget* parent = nullptr);
    ~TDialogForm() override;

    TbsSkinFrame* bsSkinFrame1 = nullptr;

    // The client area inside the frame, which the dialog's components are placed in: their
    // positions are the client area's, whatever borders the skin gives the frame.
    QWidget* Client() const { return client_; }
    // Gives the client area a new height, now and under every later skin.
    void SetClientHeight(int height);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* client_ = nullptr;
};
