#include "skin/SkinDescription.h"

#include "skin/SkinError.h"

#include <limits>
#include <utility>

namespace {

bool IsBlankOrControl(QChar c)
{
    return c.unicode() <= 0x20;
}

std::optional<qint64> ParseDigits(QStringView digits, int base)
{
    if (digits.isEmpty())
        return std::nullopt;
    for (QChar c : digits)
        if (!((c >= u'0' && c <= u'9') || (base == 16 && QStringLiteral("abcdefABCDEF").contains(c))))
            return std::nullopt;
    while (digits.size() > 1 && digits.front() == u'0')
        digits = digits.sliced(1);
    if (digits.size() > (base == 16 ? 8 : 10))
        return std::nullopt;
    return digits.toLongLong(nullptr, base);
}

} // namespace

QString SkinDescription::Trim(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlankOrControl(text[begin]))
        ++begin;
    while (end > begin && IsBlankOrControl(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

QRect SkinDescription::EdgesToRect(int left, int top, int right, int bottom)
{
    return QRect(left, top, int(qint64(right) - left), int(qint64(bottom) - top));
}

std::optional<int> SkinDescription::ParseInteger(const QString& text)
{
    QStringView rest(text);
    const bool negative = rest.startsWith(u'-');
    if (negative || rest.startsWith(u'+'))
        rest = rest.sliced(1);
    std::optional<qint64> magnitude;
    if (rest.startsWith(u"0x") || rest.startsWith(u"0X")) {
        magnitude = ParseDigits(rest.sliced(2), 16);
        if (magnitude)
            magnitude = qint64(qint32(quint32(*magnitude)));
    } else if (rest.startsWith(u'$')) {
        magnitude = ParseDigits(rest.sliced(1), 16);
        if (magnitude)
            magnitude = qint64(qint32(quint32(*magnitude)));
    } else {
        magnitude = ParseDigits(rest, 10);
    }
    if (!magnitude)
        return std::nullopt;
    const qint64 value = negative ? -*magnitude : *magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

SkinDescription::SkinDescription(const QStringList& lines)
{
    for (const QString& raw : lines) {
        const QString line = Trim(raw);
        if (line.size() >= 2 && line.startsWith(u'[') && line.endsWith(u']')) {
            AppendSection(raw, Trim(line.mid(1, line.size() - 2)));
            continue;
        }
        if (sections_.isEmpty()) {
            preamble_.append(raw);
            continue;
        }
        Entry entry{raw, {}, {}, false};
        const qsizetype eq = line.indexOf(u'=');
        if (!line.isEmpty() && !line.startsWith(u';') && eq >= 0)
            entry = {raw, Trim(line.left(eq)), Trim(line.mid(eq + 1)), true};
        AppendEntry(sections_.last(), entry);
    }
}

// Case folding as QString::compare does it: one value per UTF-16 unit, a low surrogate folded
// together with the high surrogate before it, a lone surrogate as itself.
std::u32string SkinDescription::Folded(QStringView name)
{
    std::u32string folded;
    folded.reserve(size_t(name.size()));
    char16_t previous = 0;
    for (const QChar unit : name) {
        const char16_t code = unit.unicode();
        const char16_t before = std::exchange(previous, code);
        if (code < 0x80) {  // the names of nearly every description
            folded.push_back(code >= u'A' && code <= u'Z' ? char32_t(code + 0x20) : char32_t(code));
            continue;
        }
        char32_t point = code;
        if (unit.isLowSurrogate() && QChar::isHighSurrogate(before))
            point = QChar::surrogateToUcs4(before, code);
        folded.push_back(QChar::toCaseFolded(point));
    }
    return folded;
}

void SkinDescription::AppendEntry(Section& section, const Entry& entry)
{
    section.entries.append(entry);
    if (entry.hasKey)
        section.keys[Folded(entry.key)] = section.entries.size() - 1;
}

void SkinDescription::AppendSection(const QString& header, const QString& name)
{
    sections_.append({header, name, {}, {}});
    sectionIndex_[Folded(name)] = sections_.size() - 1;
}

void SkinDescription::IndexSections()
{
    sectionIndex_.clear();
    for (qsizetype i = 0; i < sections_.size(); ++i)
        sectionIndex_[Folded(sections_[i].name)] = i;
}

QStringList SkinDescription::Lines() const
{
    QStringList lines = preamble_;
    for (const Section& section : sections_) {
        lines.append(section.header);
        for (const Entry& entry : section.entries)
            lines.append(entry.raw);
    }
    return lines;
}

const SkinDescription::Section* SkinDescription::FindSection(const QString& section) const
{
    const auto found = sectionIndex_.find(Folded(section));
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

bool SkinDescription::HasSection(const QString& section) const
{
    return FindSection(section) != nullptr;
}

int SkinDescription::KeyCount(const QString& section) const
{
    const Section* found = FindSection(section);
    if (!found)
        return 0;
    int count = 0;
    for (const Entry& entry : found->entries)
        count += entry.hasKey ? 1 : 0;
    return count;
}

std::optional<QString> SkinDescription::Value(const QString& section, const QString& key) const
{
    const Section* found = FindSection(section);
    if (!found)
        return std::nullopt;
    const auto entry = found->keys.find(Folded(key));
    if (entry == found->keys.end())
        return std::nullopt;
    return found->entries[entry->second].value;
}

QString SkinDescription::ReadString(const QString& section, const QString& key, const QString& fallback) const
{
    return Value(section, key).value_or(fallback);
}

int SkinDescription::ReadInteger(const QString& section, const QString& key, int fallback) const
{
    const std::optional<QString> text = Value(section, key);
    if (!text)
        return fallback;
    return ParseInteger(*text).value_or(fallback);
}

bool SkinDescription::ReadBool(const QString& section, const QString& key) const
{
    return ReadInteger(section, key, 0) == 1;
}

// A missing key reads as zeros, the default of rectangles and points.
QList<int> SkinDescription::ReadNumberParts(const QString& section, const QString& key, int count) const
{
    const std::optional<QString> text = Value(section, key);
    if (!text)
        return QList<int>(count, 0);
    const QStringList parts = text->split(u',');
    QList<int> numbers;
    for (int i = 0; i < count; ++i) {
        QString digits;
        for (QChar c : (i < parts.size() ? parts[i] : QString()))
            if (c >= u'0' && c <= u'9')
                digits.append(c);
        const std::optional<int> number = ParseInteger(digits);
        if (!number)
            throw SkinError::InvalidInteger(digits);
        numbers.append(*number);
    }
    return numbers;
}

QRect SkinDescription::ReadRect(const QString& section, const QString& key) const
{
    const QList<int> n = ReadNumberParts(section, key, 4);
    return EdgesToRect(n[0], n[1], n[2], n[3]);
}

QPoint SkinDescription::ReadPoint(const QString& section, const QString& key) const
{
    const QList<int> n = ReadNumberParts(section, key, 2);
    return QPoint(n[0], n[1]);
}

QStringList SkinDescription::ReadNameList(const QString& section, const QString& key) const
{
    // A count larger than the section's lines cannot name more entries than there are lines.
    const Section* found = FindSection(section);
    const int lines = found ? int(found->entries.size()) : 0;
    const int count = qMin(ReadInteger(section, key + QStringLiteral("count"), 0), lines);
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(ReadString(section, QString::number(i)));
    return names;
}

SkinDescription::Section& SkinDescription::SectionForWriting(const QString& section)
{
    // One fold and one look-up a write: writers write every key of thousands of objects.
    const auto [at, added] = sectionIndex_.try_emplace(Folded(section), sections_.size());
    if (added)
        sections_.append({QLatin1Char('[') + section + QLatin1Char(']'), section, {}, {}});
    return sections_[at->second];
}

void SkinDescription::WriteString(const QString& section, const QString& key, const QString& value)
{
    Section& target = SectionForWriting(section);
    const Entry entry{key + QLatin1Char('=') + value, key, value, true};
    const auto [at, added] = target.keys.try_emplace(Folded(key), target.entries.size());
    if (added)
        target.entries.append(entry);
    else
        target.entries[at->second] = entry;
}

void SkinDescription::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void SkinDescription::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteInteger(section, key, value ? 1 : 0);
}

void SkinDescription::WriteRect(const QString& section, const QString& key, const QRect& value)
{
    WriteString(section, key,
                QStringLiteral("%1,%2,%3,%4")
                    .arg(value.x())
                    .arg(value.y())
                    .arg(value.x() + value.width())
                    .arg(value.y() + value.height()));
}

void SkinDescription::WritePoint(const QString& section, const QString& key, const QPoint& value)
{
    WriteString(section, key, QStringLiteral("%1,%2").arg(value.x()).arg(value.y()));
}

void SkinDescription::WriteNameList(const QString& section, const QString& key, const QStringList& names)
{
    WriteInteger(section, key + QStringLiteral("count"), int(names.size()));
    for (int i = 0; i < names.size(); ++i)
        WriteString(section, QString::number(i), names[i]);
}

// Writers erase every object's section before writing it, mostly into descriptions that do
// not have it yet; only a real removal pays for moving the sections and indexing them again.
void SkinDescription::EraseSection(const QString& section)
{
    if (!HasSection(section))
        return;
    sections_.removeIf([&](const Section& s) { return s.name.compare(section, Qt::CaseInsensitive) == 0; });
    IndexSections();
}
