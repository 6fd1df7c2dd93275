#include "browser/MuteSwitch.h"

#include "platform/SafeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWebEnginePage>

namespace {
const QByteArray MutedText = "muted\n";
const QByteArray SoundText = "sound\n";
}  // namespace

MuteSwitch::MuteSwitch(const QString& file, QObject* parent) : QObject(parent), file_(file)
{
    QFile stored(file_);
    muted_ = stored.open(QIODevice::ReadOnly) && stored.read(MutedText.size() + 1) == MutedText;
}

void MuteSwitch::SetMuted(bool muted)
{
    if (muted_ == muted)
        return;
    muted_ = muted;
    pages_.removeAll(nullptr);
    for (QWebEnginePage* page : std::as_const(pages_))
        page->setAudioMuted(muted);
    QDir().mkpath(QFileInfo(file_).absolutePath());
    SafeFileWriter::write(file_, muted ? MutedText : SoundText);
}

void MuteSwitch::Watch(QWebEnginePage* page)
{
    pages_.removeAll(nullptr);
    pages_.append(page);
    page->setAudioMuted(muted_);
}
