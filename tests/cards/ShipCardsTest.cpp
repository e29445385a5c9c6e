// Saving, opening, deleting and printing ship cards from the editor.
#include "CardsTestSupport.h"

#include "cards/Form_BP.h"
#include "cards/ShipCardPrint.h"
#include "platform/Files.h"
#include "platform/Printing.h"

#include <QDir>
#include <QFile>

using namespace platform;

namespace {
class ShipCardsTest : public CardsWindowTest {
  protected:
    void SetUp() override {
        CardsWindowTest::SetUp();
        Printer::forcePdf(true);
        Printer::setPdfFolder(pdfDir.path());
    }
    void TearDown() override {
        printer().endDoc();
        Printer::forcePdf(false);
        Printer::setPdfFolder(QString());
        CardsWindowTest::TearDown();
    }
    // The Littorio entered, rated and saved.
    Form1_Main& savedLittorio() {
        Form1_Main& f = openEditor();
        enterLittorio(f);
        f.Label35.doClick();
        f.Command1.doClick();
        return f;
    }
    void chooseFile(const QString& path) {
        FileDialog::setTestHandler([path](const FileDialog& d, bool) {
            EXPECT_EQ(d.DialogTitle, "Seleziona il Record Nave da aprire");
            EXPECT_EQ(d.Filter, "File Dati Nave (*.sns)|*.sns");
            return path;
        });
    }
    QString cardPath() const { return folder->file("Navi/IT Italia/LittorioNB1939.sns"); }
    QString listPath() const { return folder->file("Navi/IT Italia/cp_Littorio1939.SNN"); }
    QTemporaryDir pdfDir;
};
} // namespace

TEST_F(ShipCardsTest, SavedCardMatchesTheLayoutAndOpensAgain) {
    Form1_Main& f = savedLittorio();
    EXPECT_EQ(testsupport::readBytes(cardPath()),
              testsupport::readBytes(TEST_SOURCE_DIR "/cards/data/LittorioNB1939.sns"));
    EXPECT_EQ(testsupport::readBytes(listPath()), "\"Littorio\"\r\n");
    EXPECT_EQ(f.Frame8.caption(), "CLASSE Littorio");
    EXPECT_EQ(f.Label60.caption(), "Littorio");
    EXPECT_EQ(f.Label65.caption(),
              "Scheda salvata: " + QDir::toNativeSeparators("Navi/IT Italia/LittorioNB1939.sns"));
    EXPECT_TRUE(isRed(f));
    EXPECT_FALSE(f.Command1.enabled());
    f.Label35.doClick();
    EXPECT_FALSE(f.Command1.enabled()) << "a stored card is not saved over";

    f.Text13.doType("Vi");
    EXPECT_FALSE(f.Command22.enabled());
    f.Text13.doType("t");
    EXPECT_TRUE(f.Command22.enabled());
    f.Text13.setText("Vittorio Veneto ");
    f.Command22.doClick();
    EXPECT_EQ(f.Text13.text(), "");
    EXPECT_FALSE(f.Command22.enabled());
    EXPECT_EQ(testsupport::readBytes(listPath()), "\"Littorio\"\r\n\"Vittorio Veneto\"\r\n");

    const ShipValues saved = CG().ShipData;
    f.Command2.doClick();
    EXPECT_EQ(f.Text1.text(), "");
    EXPECT_EQ(f.List1.listCount(), 0);
    chooseFile(cardPath());
    f.Command4.doClick();
    EXPECT_EQ(CG().ShipData, saved) << "the same 80 values";
    EXPECT_EQ(f.Text1.text(), "Littorio");
    EXPECT_EQ(f.Label11.caption(), "376");
    EXPECT_EQ(f.Label56.caption(), " 36");
    EXPECT_EQ(f.Combo12.text(), "90/50 mm ds");
    EXPECT_EQ(f.Label59.caption(), " 36");
    EXPECT_EQ(f.List1.listCount(), 2);
    EXPECT_EQ(f.Frame8.caption(), "CLASSE Littorio");
    EXPECT_FALSE(f.Frame4.enabled());
    EXPECT_FALSE(f.Combo1.enabled());
    EXPECT_FALSE(f.Command1.enabled());
    f.List1.doPick(1);
    EXPECT_EQ(f.Label60.caption(), "Vittorio Veneto");
}

TEST_F(ShipCardsTest, DeleteRemovesOnlyTheCardShownAndSavingAgainKeepsTheNames) {
    Form1_Main& f = savedLittorio();
    f.Text13.setText("Vittorio Veneto");
    f.Command22.doClick();
    f.Image3.doClick();
    EXPECT_FALSE(f.Command5.enabled()) << "saved, not opened";

    chooseFile(cardPath());
    f.Command4.doClick();
    // A cancelled open leaves nothing to delete.
    chooseFile(QString());
    f.Command4.doClick();
    f.Image3.doClick();
    EXPECT_FALSE(f.Command5.enabled());
    EXPECT_TRUE(fileExists(cardPath()));

    chooseFile(cardPath());
    f.Command4.doClick();
    f.Image3.doClick();
    ASSERT_TRUE(f.Command5.enabled());
    f.Command5.doClick();
    EXPECT_FALSE(fileExists(cardPath()));
    EXPECT_TRUE(fileExists(listPath())) << "the name list stays";
    EXPECT_EQ(f.Text1.text(), "");
    EXPECT_FALSE(f.Command5.enabled());

    f.Command2.doClick();
    enterLittorio(f);
    f.Label35.doClick();
    f.Command1.doClick();
    EXPECT_TRUE(fileExists(cardPath()));
    EXPECT_EQ(testsupport::readBytes(listPath()), "\"Littorio\"\r\n\"Vittorio Veneto\"\r\n");
    EXPECT_EQ(f.List1.listCount(), 2);
}

TEST_F(ShipCardsTest, BadCardsAndMissingTypeAreRefusedWithAMessage) {
    Form1_Main& f = openEditor();
    testsupport::Errors errors;
    chooseFile(folder->file("Navi") + "/NessunaNB1940.sns");
    f.Command4.doClick();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("NessunaNB1940.sns"));
    testsupport::writeBytes(folder->file("Navi") + "/Corta.sns", "\"Corta\"\r\n\"NB\"\r\n");
    chooseFile(folder->file("Navi") + "/Corta.sns");
    f.Command4.doClick();
    ASSERT_EQ(errors.messages.size(), 2);
    EXPECT_TRUE(errors.messages[1].contains("Corta.sns"));
    EXPECT_EQ(f.Text1.text(), "") << "nothing half-read is shown";
    EXPECT_EQ(CG().CardStored, 0);

    testsupport::MessageBoxes boxes;
    pickItem(f.Combo2, "GB");
    f.Text1.doType("Dido ");
    f.Text2.doType("5600");
    pickItem(f.Combo5, "30");
    pickItem(f.Combo3, "1937");
    f.Label35.doClick();
    ASSERT_TRUE(f.Command1.enabled());
    f.Command1.doClick();
    EXPECT_EQ(boxes.titles, QStringList{"Tipologia Nave mancante"});
    EXPECT_TRUE(QDir(folder->file("Navi/GB Gran Bretagna")).isEmpty());
    EXPECT_EQ(CG().CardStored, 0);
}

// A card changed by hand so that a value cannot be read is refused where it is read, at its line,
// and the editor stays cleared: no value after it is shown a line off, and the lists show their
// prompts as at load, after a reset too.
TEST_F(ShipCardsTest, ACardGarbledByHandIsRefusedAtItsLine) {
    Form1_Main& f = savedLittorio();
    auto prompts = [&f] {
        return QStringList{f.Combo1.text(), f.Combo2.text(), f.Combo4.text(), f.Combo9.text(),
                           f.Combo13.text()};
    };
    const QStringList atLoad = {"TIPOLOGIA NAVE", "NAZIONE", "SILURI", "Lancia BTG", "Anno Dati"};
    const QByteArray saved = testsupport::readBytes(cardPath());
    const QString file = diskPath(cardPath());
    testsupport::Errors errors;
    const struct {
        QByteArray from, to;
        QString said;
    } garbles[] = {
        {"\"40724\"", "\"ABCDE\"", "riga 7 (stazza standard): \"ABCDE\" non è un numero"},
        {"\r\n36\r\n", "\r\n12,34\r\n",
         "riga 49 (mitragliere AA): più di un valore sulla stessa riga (12,34)"},
        {"\"Littorio\"", "\"Littorio", "riga 1 (classe): virgolette aperte e mai chiuse (\"Littorio)"},
    };
    for (const auto& g : garbles) {
        testsupport::writeBytes(cardPath(), QByteArray(saved).replace(g.from, g.to));
        f.Command2.doClick();
        chooseFile(cardPath());
        f.Command4.doClick();
        ASSERT_EQ(errors.messages.size(), 1) << g.to.toStdString();
        EXPECT_EQ(errors.messages.takeFirst(), "Scheda nave non leggibile: " + file + ", " + g.said + ".");
        EXPECT_EQ(f.Text1.text(), "");
        EXPECT_EQ(f.Label52.caption(), "") << "no cargo read from another line";
        EXPECT_EQ(CG().CardStored, 0);
        EXPECT_FALSE(f.Command1.enabled());
        EXPECT_EQ(prompts(), atLoad);
        f.Command2.doClick();
        EXPECT_EQ(prompts(), atLoad) << "after a reset";
    }
    testsupport::writeBytes(cardPath(), saved);
    f.Command4.doClick();
    EXPECT_TRUE(errors.messages.isEmpty());
    EXPECT_EQ(f.Text1.text(), "Littorio");
    EXPECT_EQ(f.Label52.caption(), "8");
}

TEST_F(ShipCardsTest, PrintingQueuesCardsUntilTheJobEnds) {
    Form1_Main& f = openEditor();
    f.Image2.doClick();
    EXPECT_FALSE(printer().jobOpen()) << "nothing rated: nothing printed";

    enterLittorio(f);
    f.Label35.doClick();
    const ShipValues rated = CG().ShipData;
    for (int i = 0; i < 5; ++i) f.Image2.doClick();
    EXPECT_TRUE(printer().jobOpen());
    EXPECT_EQ(CG().ShipData, rated) << "no \"00\" written back into the class";
    const QStringList text = printer().jobText();
    EXPECT_EQ(text.size(), 80) << "16 lines a card";
    EXPECT_EQ(text[1], "Classe  Littorio\tTipo  NB Nave da battaglia\tNazione  IT Italia\tNaz.  IT\t");
    EXPECT_EQ(text[2], "Anno Dati  1939\tVaro  1937\tStazza  40724\tNodi  30\t");
    EXPECT_EQ(text[3], "-  00\tRes.Glob.  376\tC.Inc.  14\tDT  9\t");
    EXPECT_EQ(text[13], "Mitr.  36\tMAA  24\tVAL CAA:  36");
    EXPECT_EQ(text[14], QString(46, u'_'));
    testsupport::MessageBoxes boxes;
    f.Label2.doClick();
    EXPECT_FALSE(printer().jobOpen());
    EXPECT_EQ(printer().pagesPrinted(), 1) << "five cards share one sheet";
    ASSERT_EQ(boxes.prompts.size(), 1);
    const QStringList pdfs = QDir(pdfDir.path()).entryList({"*.pdf"});
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_TRUE(boxes.prompts[0].endsWith(pdfs[0]));
    EXPECT_GT(QFileInfo(pdfDir.path() + "/" + pdfs[0]).size(), 1000);

    for (int i = 0; i < 6; ++i) f.Image2.doClick();
    f.Label2.doClick();
    EXPECT_EQ(printer().pagesPrinted(), 2) << "a sixth card goes on a new sheet";
}

TEST(ShipCardPrint, AntiAircraftSumAndEmptyValues) {
    ShipValues v;
    v[2] = "NB";
    v[42] = "4";
    v[45] = " 6";
    v[48] = "2";
    const ShipValues p = shipValuesForPrint(v);
    EXPECT_EQ(p[1], "00");
    EXPECT_EQ(v[1], "");
    QStringList labels{QString()};
    for (int i = 1; i <= 50; ++i) labels << QString("L%1").arg(i);
    const QList<PrintLine> lines = shipCardPrintLines(p, labels);
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines[13].last().text, "VAL CAA:  12");
    EXPECT_FALSE(lines[13].last().nextZone);
    EXPECT_EQ(lines[12][3].text, "L48  2");
}

TEST_F(ShipCardsTest, PreviewShowsTheClassAndPrintsItself) {
    Form1_Main& f = savedLittorio();
    f.Text13.setText("Vittorio Veneto");
    f.Command22.doClick();
    f.List1.doPick(1);
    int shown = 0;
    platform::testing::setModalHandler([&](Form& w) {
        auto& bp = dynamic_cast<Form_BP&>(w);
        ++shown;
        EXPECT_EQ(bp.valueOf("Classe:")->caption(), "Littorio");
        EXPECT_EQ(bp.NameValue.caption(), "Vittorio Veneto");
        EXPECT_EQ(bp.NationValue.caption(), "IT Italia");
        EXPECT_EQ(bp.valueOf("Resist. Glob.:")->caption(), "376");
        EXPECT_EQ(bp.HalfResistance.caption(), "188");
        EXPECT_EQ(bp.valueOf("Calibri Mag:")->caption(), "381/50 mm   3T*3C");
        EXPECT_EQ(bp.valueOf("Torri Prin. - TP")->caption(), "21");
        EXPECT_EQ(bp.AaCalibre[2]->caption(), "90/50 mm ds");
        EXPECT_EQ(bp.AaDecay[2]->caption(), "3");
        EXPECT_EQ(bp.AaDecay[0]->caption(), "0") << "no barrels: the design text stays";
        EXPECT_EQ(bp.AacValue.caption(), " 36");
        EXPECT_TRUE(bp.Image1.hasPicture());
        const QString picture = folder->file("ArchBmp/TorvcardNavi.bmp");
        FileDialog::setTestHandler([picture](const FileDialog&, bool) { return picture; });
        bp.PictureArea.doClick();
        EXPECT_TRUE(bp.Image2.hasPicture());
        testsupport::MessageBoxes boxes;
        bp.Image1.doClick();
        EXPECT_EQ(boxes.prompts.size(), 1);
        EXPECT_EQ(QDir(pdfDir.path()).entryList({"*.pdf"}).size(), 1);
    });
    f.Command12.doClick();
    EXPECT_EQ(shown, 1);
    f.Command2.doClick();
    EXPECT_FALSE(isLoaded<Form_BP>());
    f.Command12.doClick();
    EXPECT_EQ(shown, 1) << "nothing to preview after a reset";
}

TEST_F(ShipCardsTest, PreviewHalvesAndDecays) {
    CardGlobals& g = CG();
    g.AppFolder = folder->path();
    g.ShipData[1] = "Prova";
    g.ShipData[10] = "45";
    g.ShipData[41] = "4";
    g.ShipData[42] = "10";
    g.ShipData[44] = "0";
    g.ShipData[45] = "3";
    g.ShipData[48] = "";
    Form_BP& bp = form<Form_BP>();
    EXPECT_EQ(bp.HalfResistance.caption(), "22.5");
    EXPECT_EQ(bp.AaDecay[0]->caption(), "2.5");
    EXPECT_EQ(bp.AaDecay[1]->caption(), "0");
    EXPECT_EQ(bp.AacValue.caption(), " 13");
    EXPECT_TRUE(bp.Image1.hasPicture()) << "the blank flag when no nation";
}
