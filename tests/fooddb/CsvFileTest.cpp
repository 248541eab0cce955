#include "fooddb/CCsvFile.h"
#include "support/RecordingMessageBox.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CsvFileTest : public ::testing::Test
{
protected:
    QString Path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    void WriteBytes(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QByteArray Bytes(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Every field of a file as text, lines separated by "|".
    QString ReadAllText(const QString& path)
    {
        CCsvFile f;
        EXPECT_TRUE(f.OpenRead(path));
        QString out;
        for (bool eof = false; !eof;) {
            eof = f.ReadField();
            if (eof && f.RawField().isEmpty())
                break;
            out += f.ReadText() + (f.EndOfLine() ? QStringLiteral("|") : QStringLiteral(","));
        }
        return out;
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(CsvFileTest, TextsSurviveTheQuotingRule)
{
    const QStringList texts = {QStringLiteral("plain"),
                               QStringLiteral("a,b"),
                               QStringLiteral("say \"hi\""),
                               QStringLiteral("ends\""),
                               QStringLiteral("Cr\u00e8me br\u00fbl\u00e9e \u20ac"),
                               QString()};
    const QString path = Path("t.csv");
    CCsvFile w;
    ASSERT_TRUE(w.OpenWrite(path));
    for (int i = 0; i < texts.size(); ++i)
        w.WriteText(texts[i], i + 1 == texts.size());
    ASSERT_TRUE(w.Close());
    EXPECT_EQ(Bytes(path),
              QByteArray("plain,\"a,b\",\"say \"\"hi\"\"\",\"ends\"\"\",Cr\xc3\xa8me br\xc3\xbbl\xc3\xa9"
                         "e \xe2\x82\xac,\n"));
    CCsvFile r;
    ASSERT_TRUE(r.OpenRead(path));
    EXPECT_EQ(r.ColumnCount(), 6);
    for (const QString& t : texts) {
        r.ReadField();
        EXPECT_EQ(r.ReadText(), t);
    }
    EXPECT_TRUE(r.EndOfLine());
}

TEST_F(CsvFileTest, FieldsAsTheReaderSplitsThem)
{
    const QString path = Path("r.csv");
    // 8-bit text of an older writer, "$$", a carriage return, a quoted number, a decimal comma.
    WriteBytes(path, QByteArray("Caf\xe9,a$$b,1.5e2,\"7\",3,5\r\nx\n"));
    EXPECT_EQ(ReadAllText(path), QStringLiteral("Caf\u00e9,a\"b,1.5e2,7,3,5\r|x|"));

    CCsvFile f;
    ASSERT_TRUE(f.OpenRead(path));
    EXPECT_EQ(f.ColumnCount(), 6);
    f.ReadField();
    f.ReadField();
    f.ReadField();
    EXPECT_EQ(f.ReadNumber(), 150);
    f.ReadField();
    EXPECT_EQ(f.ReadNumber(), 0); // quoted numbers are not numbers
    f.ReadField();
    EXPECT_EQ(f.ReadInteger(), 3);
    f.ReadField();
    EXPECT_EQ(f.ReadNumber(), 5);
    EXPECT_EQ(f.Line(), 1);
    EXPECT_TRUE(f.EndOfLine());
    EXPECT_FALSE(f.ReadField());
    EXPECT_EQ(f.Line(), 2);
    EXPECT_TRUE(f.ReadField());
}

// The quote rule of the import's text fields: a doubled quote is a quote, a single one is
// dropped, and "$$" is a quote too, wherever it came from.
TEST(CsvQuoteRule, QuotesAndDollarsAsTheImportReadsThem)
{
    const std::vector<std::pair<QByteArray, QString>> cases = {
        {"plain", QStringLiteral("plain")},
        {"\"a,b\"", QStringLiteral("a,b")},
        {"a\"b", QStringLiteral("ab")},
        {"\"\"", QStringLiteral("\"")},
        {"\"\"\"", QStringLiteral("\"")},
        {"x\"\"\"\"y", QStringLiteral("x\"\"y")},
        {"$", QStringLiteral("$")},
        {"$$$", QStringLiteral("\"$")},
        {"$\"\"", QStringLiteral("\"$")},
        {"\"\"$$", QStringLiteral("\"\"")},
        {"$\"$", QStringLiteral("\"")},
        {"caf\xc3\xa9 \"\"x\"\"", QStringLiteral("caf\u00e9 \"x\"")},
        {"caf\xe9 $$", QStringLiteral("caf\u00e9 \"")},
    };
    for (const auto& [raw, text] : cases)
        EXPECT_EQ(CCsvFile::TextOf(raw), text) << raw.constData();
}

TEST_F(CsvFileTest, NumbersAreWrittenShortestAndReadBack)
{
    const QString path = Path("n.csv");
    CCsvFile w;
    ASSERT_TRUE(w.OpenWrite(path));
    w.WriteNumber(250, false);
    w.WriteNumber(0.1, false);
    w.WriteNumber(1.0 / 3, false);
    w.WriteInteger(-5, false);
    w.WriteInteger(4294967295LL, true);
    ASSERT_TRUE(w.Close());
    EXPECT_EQ(Bytes(path), QByteArray("250,0.1,0.3333333333333333,-5,4294967295\n"));
}

TEST_F(CsvFileTest, LongFieldsAreRefusedNotCut)
{
    const QString path = Path("long.csv");
    WriteBytes(path, "a," + QByteArray(CCsvFile::kMaxField, 'x') + "\n");
    CCsvFile ok;
    ASSERT_TRUE(ok.OpenRead(path));
    ok.ReadField();
    ok.ReadField();
    EXPECT_FALSE(ok.HasError());
    EXPECT_EQ(ok.RawField().size(), CCsvFile::kMaxField);

    WriteBytes(path, "a," + QByteArray(CCsvFile::kMaxField + 1, 'x') + "\n");
    CCsvFile tooLong;
    ASSERT_TRUE(tooLong.OpenRead(path));
    tooLong.ReadField();
    EXPECT_TRUE(tooLong.ReadField());
    EXPECT_TRUE(tooLong.HasError());
    EXPECT_TRUE(tooLong.Error().contains(path));
}

TEST_F(CsvFileTest, OpenFailuresAreTold)
{
    RecordingMessageBox box;
    CCsvFile r(&box);
    EXPECT_FALSE(r.OpenRead(Path("missing.csv")));
    CCsvFile w(&box);
    EXPECT_FALSE(w.OpenWrite(Path("no/such/folder/x.csv")));
    EXPECT_EQ(
        box.Texts(),
        (QStringList{QStringLiteral("Error opening the file %1 for reading.").arg(Path("missing.csv")),
                     QStringLiteral("Error opening CSV file for writing. Export function terminated!")}));

    // A file left unfinished keeps what was there before.
    const QString path = Path("keep.csv");
    WriteBytes(path, "old\n");
    {
        CCsvFile unfinished;
        ASSERT_TRUE(unfinished.OpenWrite(path));
        unfinished.WriteText(QStringLiteral("new"), true);
    }
    EXPECT_EQ(Bytes(path), QByteArray("old\n"));
}
