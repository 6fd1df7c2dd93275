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
    const struct Damage {
        const char* field;
        qint64 offset;
        quint32 value;
    } damage[] = {
        {"MZ signature", 0x00, 0x5A4E},
        {"PE header offset past the end", 0x3C, 0x7FFFFFF0},
        {"PE header offset wrapping", 0x3C, 0xFFFFFFFF},
        {"PE signature", 0x40, 0x00004551},
        {"section count over the limit", 0x46, 0x7FFF},
        {"optional header size past the end", 0x54, 0xFFFF},
        {"optional header magic", 0x58, 0x30B},
        {"resource directory outside every section", 0x58 + 128, 0x9000},
        {"resource directory too close to the end of the section", 0x58 + 128, quint32(0x1000 + good.size() - 0x200 - 8)},
    };
    for (const auto& [field, offset, value] : damage) {
        QByteArray bad = good;
        const int width = (offset == 0x00 || offset == 0x46 || offset == 0x54 || offset == 0x58) ? 2 : 4;
        if (width == 2)
            qToLittleEndian<quint16>(quint16(value), bad.data() + offset);
        else
            qToLittleEndian<quint32>(value, bad.data() + offset);
        EXPECT_EQ(packs.load(bad), 0u) << field;
    }
}

TEST(PeResourceTable, DirectoryLoopsAndWrongDepthAreRejected)
{
    PackFixture packs;
    const QByteArray good = SamplePack();
    const qint64 root = 0x200;
    // The first type entry's subdirectory pointer aimed back at the root directory.
    QByteArray loop = good;
    qToLittleEndian<quint32>(0x80000000u, loop.data() + root + 16 + 4);
    EXPECT_EQ(packs.load(loop), 0u);
    // A type entry that points straight at data instead of a name directory.
    QByteArray shallow = good;
    qToLittleEndian<quint32>(0x00000010u, shallow.data() + root + 16 + 4);
    EXPECT_EQ(packs.load(shallow), 0u);
    // A root claiming far more entries than the section holds.
    QByteArray counted = good;
    qToLittleEndian<quint16>(0xFFFF, counted.data() + root + 14);
    EXPECT_EQ(packs.load(counted), 0u);
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
