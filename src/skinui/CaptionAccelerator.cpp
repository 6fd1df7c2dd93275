#include "skinui/CaptionAccelerator.h"

QChar AcceleratorOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != u'&')
            continue;
        if (caption.at(i + 1) != u'&')
            return caption.at(i + 1);
        ++i;  // "&&": one plain "&"
    }
    return QChar();
}

bool IsAcceleratorOf(QChar key, const QString& caption)
{
    const QChar accelerator = AcceleratorOf(caption);
    return !accelerator.isNull() && accelerator.toCaseFolded() == key.toCaseFolded();
}
