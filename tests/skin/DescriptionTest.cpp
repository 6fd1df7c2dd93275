#include "skin/SkinDescription.h"
#include "skin/SkinError.h"

#include <gtest/gtest.h>

namespace {

SkinDescription Describe(const QStringList& lines)
{
    return SkinDescription(lines);
}

QString RectError(const QString& value)
{
    try {
        Describe({"[s]", "r=" + value}).ReadRect("s", "r");
    } catch (const SkinError& e) {
        return e.message();
    }
    return QStringLiteral("no error");
}

QRect Edges(int l, int t, int r, int b)
{
    return SkinDescription::EdgesToRect(l, t, r, b);
}

} // namespace

TEST(SkinDescription, ReaderRules)
{
    const SkinDescription d = Describe({
        "orphan=1",
        "  [ Main ]  ",
        "\tKey = value with = sign \t",
        "; comment=9",
        "no equals here",
        "key=second",
        "[other]",
        "x=1",
        "[MAIN]",
        "late=yes",
    });
    EXPECT_FALSE(d.HasSection("nothing"));
    EXPECT_EQ(d.ReadString("main", "late"), "yes");
    EXPECT_FALSE(d.Value("main", "key")) << "only the last section of a name is seen";
    EXPECT_EQ(d.ReadString("Other", "X"), "1");
    EXPECT_FALSE(d.Value("", "orphan"));

    const SkinDescription keys = Describe({"[s]", " Key = first = a ", "KEY=second", "; k=c", "plain", "blank="});
    EXPECT_EQ(keys.ReadString("S", "key"), "second");
    EXPECT_EQ(keys.ReadString("s", "blank", "fallback"), "");
    EXPECT_EQ(keys.ReadString("s", "plain", "fallback"), "fallback");
    EXPECT_EQ(keys.ReadString("s", "; k", "fallback"), "fallback");
    EXPECT_EQ(keys.KeyCount("s"), 3);
    EXPECT_EQ(Describe({"[s]", "a = x = y"}).ReadString("s", "a"), "x = y");
}

TEST(SkinDescription, IntegerForm)
{
    EXPECT_EQ(SkinDescription::ParseInteger("42"), 42);
    EXPECT_EQ(SkinDescription::ParseInteger("-17"), -17);
    EXPECT_EQ(SkinDescription::ParseInteger("+5"), 5);
    EXPECT_EQ(SkinDescription::ParseInteger("0x1F"), 31);
    EXPECT_EQ(SkinDescription::ParseInteger("0X1f"), 31);
    EXPECT_EQ(SkinDescription::ParseInteger("$FF"), 255);
    EXPECT_EQ(SkinDescription::ParseInteger("0xFF00000F"), int(0xFF00000Fu));
    EXPECT_EQ(SkinDescription::ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(SkinDescription::ParseInteger("000000000007"), 7);
    for (const char* bad : {"", "-", "0x", "12a", "1.5", " 1", "2147483648", "0x100000000", "x1", "--1"})
        EXPECT_FALSE(SkinDescription::ParseInteger(QString::fromLatin1(bad))) << bad;

    const SkinDescription d = Describe({"[s]", "n=abc", "h=0x10", "b1=1", "b2=2", "b3=0x1", "b4=true"});
    EXPECT_EQ(d.ReadInteger("s", "n", -1), -1);
    EXPECT_EQ(d.ReadInteger("s", "h", -1), 16);
    EXPECT_EQ(d.ReadInteger("s", "missing", 7), 7);
    EXPECT_TRUE(d.ReadBool("s", "b1"));
    EXPECT_FALSE(d.ReadBool("s", "b2"));
    EXPECT_TRUE(d.ReadBool("s", "b3"));
    EXPECT_FALSE(d.ReadBool("s", "b4"));
    EXPECT_FALSE(d.ReadBool("s", "missing"));
}

TEST(SkinDescription, RectanglesAndPoints)
{
    const SkinDescription d = Describe({"[s]", "r=-5,10,x20,30", "more=1,2,3,4,5,6", "p=7, 8", "pp=1,2,3"});
    const QRect r = d.ReadRect("s", "r");
    EXPECT_EQ(r, Edges(5, 10, 20, 30));
    EXPECT_EQ(r.x() + r.width(), 20);
    EXPECT_EQ(d.ReadRect("s", "more"), Edges(1, 2, 3, 4));
    EXPECT_EQ(d.ReadRect("s", "missing"), Edges(0, 0, 0, 0));
    EXPECT_EQ(d.ReadPoint("s", "p"), QPoint(7, 8));
    EXPECT_EQ(d.ReadPoint("s", "pp"), QPoint(1, 2));
    EXPECT_EQ(d.ReadPoint("s", "missing"), QPoint(0, 0));
    EXPECT_TRUE(Edges(10, 0, 5, 8).isEmpty());

    EXPECT_EQ(RectError("10,,20,30"), "'''' is not a valid integer value");
    EXPECT_EQ(RectError("1,2,3"), "'''' is not a valid integer value");
    EXPECT_EQ(RectError("99999999999,0,0,0"), "''99999999999'' is not a valid integer value");
}

TEST(SkinDescription, NameListsAreBoundedByTheSection)
{
    const SkinDescription d = Describe({"[p]", "activepicturescount=2147483647", "0=a.bmp", "1=b.bmp"});
    const QStringList names = d.ReadNameList("p", "activepictures");
    ASSERT_EQ(names.size(), 3);
    EXPECT_EQ(names[0], "a.bmp");
    EXPECT_EQ(names[2], "");
    EXPECT_TRUE(Describe({"[p]", "activepicturescount=-3"}).ReadNameList("p", "activepictures").isEmpty());
}

TEST(SkinDescription, WritingKeepsEverythingElse)
{
    SkinDescription d = Describe({"; skin", "[A]", "; note", "x=1", "[B]", "y=2"});
    d.WriteInteger("a", "X", 5);
    d.WriteRect("a", "r", Edges(1, 2, 30, 40));
    d.WritePoint("c", "p", QPoint(3, 4));
    d.WriteBool("c", "b", true);
    EXPECT_EQ(d.Lines(), QStringList({"; skin", "[A]", "; note", "X=5", "r=1,2,30,40", "[B]", "y=2", "[c]",
                                      "p=3,4", "b=1"}));
    d.EraseSection("b");
    EXPECT_FALSE(d.HasSection("B"));
    EXPECT_EQ(d.ReadRect("A", "r"), Edges(1, 2, 30, 40));
    d.WriteNameList("p", "names", {"u", "v"});
    EXPECT_EQ(d.ReadNameList("p", "names"), QStringList({"u", "v"}));
}

// Thousands of sections, every tenth written again later in capitals, every key written twice:
// each lookup finds the last section of its name and in it the last key.
TEST(SkinDescription, LargeGeneratedDescriptionKeepsTheLookupRules)
{
    constexpr int sections = 3000;
    QStringList lines;
    for (int i = 0; i < sections; ++i)
        lines << QStringLiteral("[Object%1]").arg(i) << QStringLiteral("index=%1").arg(i)
              << QStringLiteral("  KEY%1 = first").arg(i % 7) << QStringLiteral("key%1=second ").arg(i % 7);
    for (int i = 0; i < sections; i += 10)
        lines << QStringLiteral(" [ OBJECT%1 ] ").arg(i) << "index=late";
    const SkinDescription d = Describe(lines);
    for (int i = 0; i < sections; ++i) {
        const QString name = QStringLiteral("object%1").arg(i);
        const bool replaced = i % 10 == 0;
        EXPECT_EQ(d.ReadString(name, "INDEX"), replaced ? QStringLiteral("late") : QString::number(i)) << i;
        EXPECT_EQ(d.Value(name, QStringLiteral("Key%1").arg(i % 7)),
                  replaced ? std::nullopt : std::optional<QString>(QStringLiteral("second")))
            << i;
    }
    EXPECT_FALSE(d.HasSection(QStringLiteral("object%1").arg(sections)));
}

// Names match exactly when QString::compare without case says so, beyond ASCII too.
TEST(SkinDescription, LetterCaseFoldsAsStringComparisonDoes)
{
    const QString kelvin = QString(QChar(0x212A));
    const QString deseretCapital = QString::fromUcs4(U"\U00010400");
    const QString deseretSmall = QString::fromUcs4(U"\U00010428");
    const QString loneSurrogate = QString(QChar(0xD801));
    const QStringList names{"k", kelvin, "K", "\u01C4", "\u01C5", "\u01C6", "\u00DF", "SS", "ss", deseretCapital,
                            deseretSmall, loneSurrogate, loneSurrogate + QChar(0xDC00), "\u0130", "i", "I"};
    for (const QString& written : names) {
        const SkinDescription d = Describe({"[" + written + "]", written + "=found"});
        for (const QString& asked : names) {
            const bool same = written.compare(asked, Qt::CaseInsensitive) == 0;
            EXPECT_EQ(d.HasSection(asked), same) << written.toStdString() << " / " << asked.toStdString();
            EXPECT_EQ(d.ReadString(asked, asked), same ? "found" : "") << written.toStdString() << " / " << asked.toStdString();
        }
    }
}
