#include "HostileInputs.h"
#include "PackFixture.h"

#include "binary/ByteCursor.h"
#include "platform/DataFormatError.h"
#include "platform/ModuleRegistry.h"
#include "platform/PeImageLayout.h"
#include "platform/PeResourceTable.h"
#include "platform/PeResourceWriter.h"
#include "platform/ResourceModule.h"
#include "platform/ResourceNotFoundError.h"

#include <QRandomGenerator>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const ResourceId Jpeg(QStringLiteral("JPEG"));
const ResourceId RawData(quint16(10));

ResourceId Named(const char* text)
{
    return ResourceId(QString::fromLatin1(text));
}

QByteArray SamplePack()
{
    PeResourceWriter writer;
    writer.add(Jpeg, Named("CloseMove"), 0, "close-move");
    writer.add(Jpeg, Named("Close"), 0, "close");
    writer.add(RawData, Named("Skin"), 0, QByteArray("skin\0bytes", 10));
    writer.add(Named("Greeting"), Named("Hello"), 0x0804, "zh");
    writer.add(Named("Greeting"), Named("Hello"), 0x0409, "en");
    writer.add(ResourceId(quint16(300)), ResourceId(quint16(42)), 0, "numbered");
    return writer.build();
}

QString ReadError(const QByteArray& pack)
{
    try {
        PeResourceTable::read(pack);
    } catch (const DataFormatError& e) {
        return e.message();
    }
    return QStringLiteral("no error");
}

QByteArray Lookup(const ResourceModule& module, const ResourceId& type, const ResourceId& name)
{
    return module.resource(type, name).toByteArray();
}

// Every lookup on a damaged pack either finds bytes inside the file or raises; the file must
// never be read out of bounds (the sanitizer build proves the latter).
void ProbeDamagedPack(const QByteArray& bytes, PackFixture& packs)
{
    const ModuleHandle handle = packs.load(bytes);
    const ResourceModule* module = ModuleRegistry::find(handle);
    if (!module)
        return;
    for (const ResourceEntry& entry : module->table().entries()) {
        const QByteArrayView data = module->bytesOf(entry);
        if (entry.readable()) {
            EXPECT_TRUE(ByteCursor::contains(bytes.size(), entry.offset, data.size()));
        }
    }
    for (const char* name : {"Close", "CloseMove", "Skin", "Nothing"}) {
        try {
            module->resource(Jpeg, Named(name));
        } catch (const ResourceNotFoundError&) {
        }
    }
}

} // namespace

TEST(PeResourceTable, WrittenPackReadsBackByTypeNameAndFirstLanguage)
{
    PackFixture packs;
    const ResourceModule* module = ModuleRegistry::find(packs.load(SamplePack()));
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(Lookup(*module, Jpeg, Named("Close")), "close");
    EXPECT_EQ(Lookup(*module, Jpeg, Named("closemove")), "close-move");
    EXPECT_EQ(Lookup(*module, Named("jpeg"), Named("CLOSE")), "close");
    EXPECT_EQ(Lookup(*module, RawData, Named("skin")), QByteArray("skin\0bytes", 10));
    EXPECT_EQ(Lookup(*module, Named("Greeting"), Named("Hello")), "en");
    EXPECT_EQ(Lookup(*module, ResourceId(quint16(300)), ResourceId(quint16(42))), "numbered");
    EXPECT_EQ(Lookup(*module, ResourceId::fromText("#300"), ResourceId::fromText("#42")), "numbered");
    // A type written as text is a named type, never the number it may stand for.
    EXPECT_THROW(module->resource(Named("RCDATA"), Named("Skin")), ResourceNotFoundError);
    EXPECT_THROW(module->resource(Named("10"), Named("Skin")), ResourceNotFoundError);
    EXPECT_THROW(module->resource(ResourceId(quint16(300)), Named("42")), ResourceNotFoundError);
    EXPECT_THROW(module->resource(Jpeg, Named("Clos")), ResourceNotFoundError);
}

TEST(PeResourceTable, WriterSortsNamedBeforeNumberedAndRefusesDuplicates)
{
    PackFixture packs;
    const ResourceModule* module = ModuleRegistry::find(packs.load(SamplePack()));
    ASSERT_NE(module, nullptr);
    QStringList order;
    for (const ResourceEntry& entry : module->table().entries())
        order << entry.type.toText() + u'/' + entry.name.toText() + u'/' + QString::number(entry.language);
    EXPECT_EQ(order.join(u' ').toStdString(),
              "GREETING/HELLO/1033 GREETING/HELLO/2052 JPEG/CLOSE/0 JPEG/CLOSEMOVE/0 10/SKIN/0 300/42/0");

    PeResourceWriter writer;
    writer.add(Jpeg, Named("Close"), 0, "a");
    EXPECT_THROW(writer.add(Named("jpeg"), Named("CLOSE"), 0, "b"), DataFormatError);
    EXPECT_NO_THROW(writer.add(Jpeg, Named("Close"), 1, "c"));
    EXPECT_THROW(writer.add(Jpeg, Named(""), 0, "d"), DataFormatError);
}

TEST(PeResourceTable, ReadsPacksMadeByAWindowsResourceToolchain)
{
    for (const char* file : {"fixture-x86_64.dll", "fixture-i686.dll"}) {
        SCOPED_TRACE(file);
        PackFixture packs;
        const ResourceModule* module = ModuleRegistry::find(packs.load(FixtureBytes(QString::fromLatin1(file))));
        ASSERT_NE(module, nullptr);
        EXPECT_EQ(Lookup(*module, Jpeg, Named("Close")), FixtureBytes(QStringLiteral("close.jpg")));
        EXPECT_EQ(Lookup(*module, Named("PNG"), Named("yxn")), FixtureBytes(QStringLiteral("yxn.png")));
        EXPECT_EQ(Lookup(*module, RawData, Named("Skin")), FixtureBytes(QStringLiteral("skin.bin")));
        EXPECT_EQ(Lookup(*module, ResourceId(quint16(300)), ResourceId(quint16(42))), FixtureBytes(QStringLiteral("numeric.bin")));
        EXPECT_EQ(Lookup(*module, RawData, Named("Greeting")), "language-0409");
        EXPECT_EQ(module->table().entries().size(), 6u);
    }
}

TEST(PeResourceTable, MalformedHeadersLoadAsNoModule)
{
    PackFixture packs;
    const QByteArray good = SamplePack();
    EXPECT_NE(packs.load(good), 0u);
    EXPECT_EQ(packs.loadFile(packs.directory() + u"missing.dll"), 0u);
    EXPECT_EQ(packs.load(QByteArray()), 0u);
    EXPECT_EQ(packs.load("MZ"), 0u);
    const QString size = QString::number(good.size());
    // One header field of the valid pack changed per row: its offset and width, the new value,
    // and the reader's exact refusal (%1 is the file's size).
    const struct Damage {
        qint64 offset;
        int width;
        quint32 value;
        const char* error;
    } damage[] = {
        {0x00, 2, 0x5A4E, "Not a PE file: no MZ signature"},
        {0x3C, 4, 0x7FFFFFF0, "Offset 2147483632 lies outside the data (%1 bytes)"},
        {0x3C, 4, 0xFFFFFFFF, "Offset 4294967295 lies outside the data (%1 bytes)"},
        {0x40, 4, 0x00004551, "Not a PE file: no PE signature"},
        {0x46, 2, 0x7FFF, "PE file claims 32767 sections"},
        {0x54, 2, 0xFFFF, "PE optional header runs past the end of the file"},
        {0x58, 2, 0x30B, "Unknown PE optional header magic 0x30b"},
        {0x58 + 128, 4, 0x9000, "Resource directory at RVA 0x9000 does not lie inside a section of the file"},
        {0x58 + 128, 4, quint32(0x1000 + good.size() - 0x200 - 8),
         "Resource directory at RVA 0x%2 does not lie inside a section of the file"},
    };
    for (const auto& [offset, width, value, error] : damage) {
        QByteArray bad = good;
        if (width == 2)
            qToLittleEndian<quint16>(quint16(value), bad.data() + offset);
        else
            qToLittleEndian<quint32>(value, bad.data() + offset);
        const QString expected = QString::fromLatin1(error).replace(QStringLiteral("%1"), size).replace(QStringLiteral("%2"), QString::number(value, 16));
        EXPECT_EQ(ReadError(bad), expected) << offset;
        EXPECT_EQ(packs.load(bad), 0u) << offset;
    }
}

TEST(PeResourceTable, DirectoryLoopsAndWrongDepthAreRejected)
{
    PackFixture packs;
    const QByteArray good = SamplePack();
    const qint64 root = 0x200;
    const int rootEntries = qFromLittleEndian<quint16>(good.constData() + root + 12) + 0xFFFF;
    // One field of the root directory changed per row: offset from the root, new value, and
    // the exact refusal.
    const struct {
        qint64 offset;
        int width;
        quint32 value;
        QString error;
    } damage[] = {
        // The first type entry's subdirectory pointer aimed back at the root directory.
        {16 + 4, 4, 0x80000000u, QStringLiteral("Resource directory at 0 is visited twice")},
        // A type entry that points straight at data instead of a name directory.
        {16 + 4, 4, 0x00000010u, QStringLiteral("Resource directory is not three levels deep")},
        // A root claiming far more entries than the section holds.
        {14, 2, 0xFFFF, QStringLiteral("Resource directory at 0 has %1 entries, more than its section holds").arg(rootEntries)},
        // A type name that lies past the section's end.
        {16, 4, 0xFFFFFFF0u, QStringLiteral("Offset 2147483632 lies outside the data (%1 bytes)").arg(good.size() - root)},
    };
    for (const auto& [offset, width, value, error] : damage) {
        QByteArray bad = good;
        if (width == 2)
            qToLittleEndian<quint16>(quint16(value), bad.data() + root + offset);
        else
            qToLittleEndian<quint32>(value, bad.data() + root + offset);
        EXPECT_EQ(ReadError(bad), error) << offset;
        EXPECT_EQ(packs.load(bad), 0u) << offset;
    }
}

// Many name entries may point at one string; listing them must not cost each repeat again.
TEST(PeResourceTable, NamesSharedByManyEntriesAreBoundedByTheFileSize)
{
    const QByteArray hostile = HostileInputs::PackWithSharedName(2000, 2000);
    EXPECT_EQ(ReadError(hostile), "Resource names hold more characters than the file has bytes");

    const QByteArray fewShared = HostileInputs::PackWithSharedName(4, 300);
    const PeResourceTable shared = PeResourceTable::read(fewShared);
    ASSERT_EQ(shared.entries().size(), 4u);
    for (const ResourceEntry& entry : shared.entries())
        EXPECT_EQ(entry.name.name(), QString(300, u'N'));

    const PeResourceTable distinct = PeResourceTable::read(HostileInputs::PackWithDistinctNames(2000));
    EXPECT_EQ(distinct.entries().size(), 2000u);
    EXPECT_NE(distinct.find(Jpeg, Named("r1999")), nullptr);
}

TEST(PeResourceTable, EntryWithDataOutsideTheFileIsNotFoundButOthersRead)
{
    PackFixture packs;
    QByteArray bad = SamplePack();
    const ResourceModule* good = ModuleRegistry::find(packs.load(bad));
    ASSERT_NE(good, nullptr);
    const ResourceEntry* entry = good->table().find(Jpeg, Named("Close"));
    ASSERT_NE(entry, nullptr);
    // Find the data entry that points at "close" and push its size past the file.
    for (qint64 at = 0x200; at + 8 <= bad.size(); at += 4) {
        if (qFromLittleEndian<quint32>(bad.constData() + at) == quint32(0x1000 + entry->offset - 0x200)
            && qFromLittleEndian<quint32>(bad.constData() + at + 4) == entry->size) {
            qToLittleEndian<quint32>(0x7FFFFFFF, bad.data() + at + 4);
            break;
        }
    }
    const ResourceModule* damaged = ModuleRegistry::find(packs.load(bad));
    ASSERT_NE(damaged, nullptr);
    try {
        damaged->resource(Jpeg, Named("Close"));
        FAIL() << "an entry outside the file was read";
    } catch (const ResourceNotFoundError& error) {
        EXPECT_EQ(error.message(), u"Resource Close not found");
    }
    EXPECT_EQ(Lookup(*damaged, Jpeg, Named("CloseMove")), "close-move");
}

TEST(PeResourceTable, TruncatedAndCorruptedPacksNeverReadOutOfBounds)
{
    PackFixture packs;
    const QByteArray good = SamplePack();
    for (qsizetype length = 0; length < good.size(); length += 7)
        ProbeDamagedPack(good.left(length), packs);
    const QByteArray fixture = FixtureBytes(QStringLiteral("fixture-i686.dll"));
    for (qsizetype length = 0; length < fixture.size(); length += 13)
        ProbeDamagedPack(fixture.left(length), packs);
    QRandomGenerator random(4);
    for (int round = 0; round < 300; ++round) {
        QByteArray bad = round % 2 ? good : fixture;
        for (int flips = 0; flips < 4; ++flips)
            bad[random.bounded(int(bad.size()))] = char(random.bounded(256));
        ProbeDamagedPack(bad, packs);
    }
}

TEST(PeResourceTable, ShortFilesRaiseDataFormatErrorWithTheCursorsText)
{
    for (const QByteArray& bytes : {QByteArray(), QByteArray("M"), QByteArray("MZ")}) {
        EXPECT_THROW(PeImageLayout::read(bytes), DataFormatError) << bytes.size();
        EXPECT_THROW(PeResourceTable::read(bytes), DataFormatError) << bytes.size();
    }
    try {
        PeResourceTable::read(QByteArray("MZ"));
    } catch (const DataFormatError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Offset 60 lies outside the data (2 bytes)"));
    }
}
