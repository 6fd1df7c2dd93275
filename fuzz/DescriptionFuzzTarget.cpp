#include "DescriptionFuzzTarget.h"

#include "FuzzInvariant.h"
#include "skin/SkinDescription.h"
#include "skin/SkinError.h"
#include "skin/SkinTextCodec.h"
#include "skin/SkinValueWords.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace {

// Lookups are compared with the plain walk for this many keys; the walk costs the whole
// description each time.
constexpr int CheckedKeys = 16;

// A line as the reading rules see it: a section header, a keyed line, or neither.
struct PlainLine {
    std::optional<QString> section;
    std::optional<QString> key;
    QString value;
};

std::vector<PlainLine> PlainLines(const QStringList& lines)
{
    std::vector<PlainLine> plain;
    plain.reserve(size_t(lines.size()));
    for (const QString& raw : lines) {
        const QString line = SkinDescription::Trim(raw);
        const qsizetype eq = line.indexOf(u'=');
        if (line.size() >= 2 && line.startsWith(u'[') && line.endsWith(u']'))
            plain.push_back({SkinDescription::Trim(line.mid(1, line.size() - 2)), {}, {}});
        else if (!line.startsWith(u';') && eq >= 0)
            plain.push_back({{}, SkinDescription::Trim(line.left(eq)), SkinDescription::Trim(line.mid(eq + 1))});
        else
            plain.push_back({});
    }
    return plain;
}

// The value a lookup must find, by a walk over every line: in the last section of that name,
// the last line with that key.
std::optional<QString> PlainValue(const std::vector<PlainLine>& lines, const QString& section, const QString& key)
{
    std::optional<QString> value;
    bool inSection = false;
    for (const PlainLine& line : lines) {
        if (line.section) {
            inSection = line.section->compare(section, Qt::CaseInsensitive) == 0;
            if (inSection)
                value.reset();
        } else if (inSection && line.key && line.key->compare(key, Qt::CaseInsensitive) == 0) {
            value = line.value;
        }
    }
    return value;
}

} // namespace

void DescriptionFuzzTarget::run(QByteArrayView bytes)
{
    const QStringList lines = SkinTextCodec::DecodeLines(bytes);
    SkinDescription description(lines);
    FuzzInvariant::require(description.Lines() == lines, "the description does not keep its lines");
    const std::vector<PlainLine> plain = PlainLines(lines);
    std::vector<std::pair<QString, QString>> keys;  // every keyed line's section and key
    std::optional<QString> section;
    for (const PlainLine& line : plain) {
        if (line.section)
            section = line.section;
        else if (line.key && section)
            keys.emplace_back(*section, *line.key);
    }
    const size_t step = keys.size() / CheckedKeys + 1;
    for (size_t i = 0; i < keys.size(); i += step) {
        const auto& [name, key] = keys[i];
        for (const QString& asked : {name, name.toUpper()}) {
            FuzzInvariant::require(description.Value(asked, key) == PlainValue(plain, asked, key),
                                   "a lookup disagrees with the plain walk over the lines");
        }
        readEveryForm(description, name, key, lines.size());
    }
    if (!keys.empty())
        writeAndErase(description, keys.back().first, keys.front().second);
}

void DescriptionFuzzTarget::readEveryForm(const SkinDescription& description, const QString& section, const QString& key,
                                          qsizetype lineCount)
{
    const QString text = description.ReadString(section, key);
    description.ReadInteger(section, key, -1);
    description.ReadBool(section, key);
    FuzzInvariant::require(description.ReadNameList(section, key).size() <= lineCount,
                           "a name list is longer than the description");
    try {
        description.ReadRect(section, key);
        description.ReadPoint(section, key);
    } catch (const SkinError&) {
    }
    SkinValueWords::FontStyle(text);
    SkinValueWords::Alignment(text);
    SkinValueWords::StretchType(text);
    SkinValueWords::MorphKind(text);
    SkinValueWords::InactiveEffect(text);
    SkinValueWords::Command(text);
}

void DescriptionFuzzTarget::writeAndErase(SkinDescription& description, const QString& section, const QString& key)
{
    description.WriteString(section, key, QStringLiteral("written"));
    FuzzInvariant::require(description.ReadString(section, key) == u"written",
                           "a written key is not read back");
    description.EraseSection(section);
    FuzzInvariant::require(!description.HasSection(section), "an erased section is still found");
}
