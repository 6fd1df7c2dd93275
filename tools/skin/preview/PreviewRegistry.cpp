#include "preview/PreviewRegistry.h"

#include <QMap>

namespace {
QMap<QString, ControlPreviewer>& Previewers()
{
    static QMap<QString, ControlPreviewer> previewers;
    return previewers;
}
}  // namespace

void PreviewRegistry::Add(const ControlPreviewer& previewer)
{
    Previewers().insert(previewer.control, previewer);
}

const ControlPreviewer* PreviewRegistry::Find(const QString& control)
{
    const auto it = Previewers().constFind(control);
    return it == Previewers().cend() ? nullptr : &*it;
}

QList<ControlPreviewer> PreviewRegistry::All()
{
    return Previewers().values();
}
