#include "platform/ResourceId.h"

ResourceId ResourceId::fromText(const QString& text)
{
    if (text.startsWith(u'#') && text.size() > 1) {
        bool ok = false;
        const uint number = QStringView(text).mid(1).toUInt(&ok, 10);
        if (ok && number <= 0xFFFF && text.at(1).isDigit())
            return ResourceId(static_cast<quint16>(number));
    }
    return ResourceId(text);
}

bool ResourceId::matches(const ResourceId& other) const
{
    if (numeric_ != other.numeric_)
        return false;
    if (numeric_)
        return number_ == other.number_;
    return name_.compare(other.name_, Qt::CaseInsensitive) == 0;
}

QString ResourceId::toText() const
{
    return numeric_ ? QString::number(number_) : name_;
}

bool ResourceId::operator<(const ResourceId& other) const
{
    if (numeric_ != other.numeric_)
        return !numeric_;
    if (numeric_)
        return number_ < other.number_;
    return name_.toUpper() < other.name_.toUpper();
}
