#include "cards/format/AircraftCard.h"
#include "platform/Files.h"
#include "tests/support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace aircraftcard;

namespace {
QString sample(const QString& name) {
    return QStringLiteral(TEST_SOURCE_DIR "/cards/data/") + name;
}
} // namespace

TEST(AircraftCard, ReadsAndWritesTheHandWrittenCard) {
    const AircraftData d = readCard(sample("SM79ASI1940.SNK"));
    EXPECT_EQ(d.nationCode(), "IT");
    EXPECT_EQ(d[Name], "S.79 Sparviero, aerosilurante") << "a comma stays inside its quotes";
    EXPECT_EQ(d[Type], "ASI - Aerosilurante terrestre");
    EXPECT_EQ(d[Cost], "15");
    EXPECT_EQ(d[19], "0");
    EXPECT_EQ(d[TorpedoMark] + d[BomberMark], "SB");
    EXPECT_EQ(cardBytes(d), testsupport::readBytes(sample("SM79ASI1940.SNK")));
}

TEST(AircraftCard, WrittenCardLayout) {
    AircraftData d;
    for (int n = 1; n <= 18; ++n) d[n] = QString();
    d[Name] = QStringLiteral("Ju 87 \"Stuka\"");
    d[Attack] = QStringLiteral("12");
    d[TorpedoMark] = QStringLiteral("-");
    d[BomberMark] = QStringLiteral("-");
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/card.SNK");
    writeCard(path, d);
    const QStringList lines = testsupport::readLines(path);
    ASSERT_EQ(lines.size(), kValues);
    EXPECT_EQ(lines[0], "\"\"") << "an empty label is an empty quoted text";
    EXPECT_EQ(lines[1], "\"Ju 87 'Stuka'\"") << "a double quote cannot stay inside the quotes";
    EXPECT_EQ(lines[7], "\"12\"") << "rated values are quoted texts";
    for (int n = 19; n <= 28; ++n) EXPECT_EQ(lines[n - 1], "0");
    EXPECT_EQ(lines[28], "\"-\"");
    EXPECT_EQ(lines[29], "\"-\"");
    EXPECT_EQ(readCard(path)[Name], "Ju 87 'Stuka'");
    d[Attack] = QStringLiteral("13");
    writeCard(path, d);
    EXPECT_EQ(readCard(path)[Attack], "13") << "a second save replaces the card";
}

TEST(AircraftCard, ShortOrMissingCardIsRefusedWhole) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/short.SNK");
    testsupport::writeBytes(path, "\"IT Italia\"\r\n\"Mc.200\"\r\n");
    try {
        readCard(path);
        FAIL();
    } catch (const platform::FileError& e) {
        EXPECT_TRUE(e.message().contains("short.SNK"));
    }
    EXPECT_THROW(readCard(dir.path() + QStringLiteral("/none.SNK")), platform::FileError);
}

TEST(AircraftCard, FileName) {
    EXPECT_EQ(cardFileName("Mc.202Folgore", "CPT - Caccia terrestre", "1941"), "Mc.202FolgoreCPT1941.SNK");
    EXPECT_EQ(cardFileName("Ro43", "RI", "1936"), "Ro43RI1936.SNK") << "a short type gives all it has";
    EXPECT_TRUE(forbiddenFileCharacter("Mc.202-Folgore").isNull());
    EXPECT_EQ(forbiddenFileCharacter("Ju87/R2"), u'/');
    EXPECT_EQ(forbiddenFileCharacter("B-17 \"Fortress\""), u'"');
}

TEST(AircraftCard, ACardNotAsWrittenIsRefusedNamingTheFileAndTheLine) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/SM79ASI1940.SNK");
    const QString file = platform::diskPath(path);
    const QByteArray card = testsupport::readBytes(sample("SM79ASI1940.SNK"));
    const auto refusal = [&](int n, const QByteArray& line) -> QString {
        QList<QByteArray> lines = card.split('\n');
        lines[n - 1] = line + '\r';
        testsupport::writeBytes(path, lines.join('\n'));
        try {
            readCard(path);
        } catch (const platform::FileError& e) {
            return e.message();
        }
        return {};
    };
    EXPECT_EQ(refusal(13, "\"4x0\""),
              "Scheda aereo non leggibile: " + file + ", riga 13 (velocità): \"4x0\" non è un numero.");
    EXPECT_EQ(refusal(2, "\"S.79"), "Scheda aereo non leggibile: " + file +
                                        ", riga 2 (nome): virgolette aperte e mai chiuse (\"S.79).");
    EXPECT_EQ(refusal(19, "0,0"), "Scheda aereo non leggibile: " + file +
                                      ", riga 19 (non usato): più di un valore sulla stessa riga (0,0).");
    EXPECT_EQ(refusal(19, "\"0\""), "") << "a number in quotes is still the number";
    EXPECT_EQ(refusal(16, "Non Imbarcato"), "") << "a text without quotes is still the text";
}
