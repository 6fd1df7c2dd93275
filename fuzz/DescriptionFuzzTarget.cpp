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
constexpr int CheckedKeys = 48;

struct PlainKey {
    QString section;
    QString key;
};

// The section and key of every keyed line, read line by line without any index.
std::vector<PlainKey> PlainKeys(const QStringList& lines)
{
    std::vector<PlainKey> keys;
    std::optional<QString> section;
    for (const QString& raw : lines) {
        const QString line = SkinDescription::Trim(raw);
        if (line.size() >= 2 && line.startsWith(u'[') && line.endsWith(u']'))
            section = SkinDescription::Trim(line.mid(1, line.size() - 2));
        else if (section && !line.startsWith(u';') && line.contains(u'='))
            keys.push_back({*section, SkinDescription::Trim(line.left(line.indexOf(u'=')))});
    }
    return keys;
}

// The value a lookup must find: in the last section of that name, the last line with that key.
std::optional<QString> PlainValue(const QStringList& lines, const QString& section, const QString& key)
{
    std::optional<QString> value;
    bool inSection = false;
    for (const QString& raw : lines) {
        const QString line = SkinDescription::Trim(raw);
        if (line.size() >= 2 && line.startsWith(u'[') && line.endsWith(u']')) {
            inSection = SkinDescription::Trim(line.mid(1, line.size() - 2)).compare(section, Qt::CaseInsensitive) == 0;
            if (inSection)
                value.reset();
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (inSection && !line.startsWith(u';') && eq >= 0
            && SkinDescription::Trim(line.left(eq)).compare(key, Qt::CaseInsensitive) == 0)
            value = SkinDescription::Trim(line.mid(eq + 1));
    }
    return value;
}

} // namespace

void DescriptionFuzzTarget::run(QByteArrayView bytes)
{
    const QStringList lines = SkinTextCodec::DecodeLines(bytes);
    SkinDescription description(lines);
    FuzzInvariant::require(description.Lines() == lines, "the description does not keep its lines");
    const std::vector<PlainKey> keys = PlainKeys(lines);
    const size_t step = keys.size() / CheckedKeys + 1;
    for (size_t i = 0; i < keys.size(); i += step) {
        const PlainKey& k = keys[i];
        for (const QString& section : {k.section, k.section.toUpper(), k.section.toLower()}) {
            FuzzInvariant::require(description.Value(section, k.key) == PlainValue(lines, section, k.key),
                                   "a lookup disagrees with the plain walk over the lines");
        }
        readEveryForm(description, k.section, k.key);
    }
    if (!keys.empty())
        writeAndErase(description, keys.back().section, keys.front().key);
}

void DescriptionFuzzTarget::readEveryForm(const SkinDescription& description, const QString& section, const QString& key)
{
    const QString text = description.ReadString(section, key);
    description.ReadInteger(section, key, -1);
    description.ReadBool(section, key);
    FuzzInvariant::require(description.ReadNameList(section, key).size() <= description.Lines().size(),
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
