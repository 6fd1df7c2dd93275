#include "dialogs/WaitingDialogs.h"

#include <QDialog>

int WaitingDialogs::Exec(QDialog& dialog)
{
    if (ending_)
        return QDialog::Rejected;
    Add(dialog);
    const int result = dialog.exec();
    Remove(dialog);
    return result;
}

void WaitingDialogs::Open(QDialog& dialog, std::function<void(int)> answered)
{
    if (ending_) {
        answered(QDialog::Rejected);
        return;
    }
    Add(dialog);
    connect(&dialog, &QDialog::finished, this, [this, &dialog, answered = std::move(answered)](int result) {
        Remove(dialog);
        answered(result);
    }, Qt::SingleShotConnection);
    dialog.open();
}

QDialog* WaitingDialogs::Newest() const
{
    return waiting_.isEmpty() ? nullptr : waiting_.constLast().data();
}

void WaitingDialogs::BringForward()
{
    if (QDialog* dialog = Newest()) {
        dialog->raise();
        dialog->activateWindow();
    }
}

void WaitingDialogs::EndAll()
{
    ending_ = true;
    // Newest first: a dialog that runs its own loop returns only after those opened above it.
    const QList<QPointer<QDialog>> waiting = waiting_;
    for (qsizetype i = waiting.size() - 1; i >= 0; --i)
        if (QDialog* dialog = waiting.at(i))
            dialog->reject();
}

void WaitingDialogs::Add(QDialog& dialog)
{
    dialog.setWindowModality(Qt::WindowModal);
    waiting_.append(&dialog);
    // A dialog its owner destroys unanswered waits no longer.
    connect(&dialog, &QObject::destroyed, this, [this] {
        waiting_.removeAll(nullptr);
        Q_EMIT Changed();
    });
    Q_EMIT Changed();
}

void WaitingDialogs::Remove(QDialog& dialog)
{
    disconnect(&dialog, &QObject::destroyed, this, nullptr);
    waiting_.removeAll(&dialog);
    Q_EMIT Changed();
}
