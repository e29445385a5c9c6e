#include "AircraftEditorFixture.h"
#include "cards/Form_AP.h"

#include <QCoreApplication>
#include <QDir>
#include <QFocusEvent>
#include <QWidget>

using namespace platform;

namespace {
const QString kSm79 = QStringLiteral("SM79ASI1940.SNK");
}

class AircraftList : public AircraftEditor {
  protected:
    void SetUp() override {
        AircraftEditor::SetUp();
        editor();
        sm79 = cardPath("IT Italia", kSm79);
        makeFolder(CG().AircraftCardFolder + "IT Italia");
        testsupport::writeBytes(sm79, testsupport::readBytes(TEST_SOURCE_DIR "/cards/data/" + kSm79));
    }
    void open(const QString& path) {
        answerOpen(path);
        editor().Command5.doClick();
    }
    QStringList listLines() {
        QStringList out;
        for (int i = 0; i < editor().List1.listCount(); ++i) out << editor().List1.list(i);
        return out;
    }
    QStringList pdfFiles() { return QDir(pdfs.path()).entryList({"*.pdf"}, QDir::Files); }
    QString sm79;
};

TEST_F(AircraftList, OpenedCardsGoToTheListAndTheClickedOneIsDeleted) {
    enterBf109();
    Form_Aerei& f = editor();
    f.Command2.doClick();
    const QString bf109 = cardPath("DE Germania", "Bf109E-4CPT1939.SNK");
    open(bf109);
    EXPECT_EQ(f.CommonDialog1.DialogTitle, "Seleziona il Record Aereo da aprire");
    EXPECT_EQ(f.CommonDialog1.Filter, "File Dati Aerei (*.SNK)|*.SNK");
    open(sm79);
    EXPECT_EQ(listLines(),
              (QStringList{"DE - Bf 109 E-4 - CPT - Caccia terrestre",
                           "IT - S.79 Sparviero, aerosilurante - ASI - Aerosilurante terrestre"}));
    EXPECT_FALSE(f.Frame1.visible());
    EXPECT_TRUE(f.List1.visible());
    EXPECT_EQ(f.Text1.text(), "") << "opened cards are not edited";
    EXPECT_FALSE(f.Command2.enabled());
    EXPECT_TRUE(f.Command4.enabled() && f.Command6.enabled() && f.Command8.enabled());
    EXPECT_EQ(f.Label12.caption(), "S.79 Sparviero, aerosilurante");
    EXPECT_TRUE(f.Image2.visible() && f.Image2.hasPicture() && f.Image3.hasPicture()) << "the card's flag";
    f.List1.doPick(0);
    EXPECT_EQ(f.Label34.caption(), "16");
    EXPECT_EQ(CG().NationCode, "DE");
    f.Command6.doClick();
    EXPECT_FALSE(fileExists(bf109)) << "the card shown is deleted";
    EXPECT_TRUE(fileExists(sm79));
    EXPECT_EQ(f.List1.listCount(), 0);
    EXPECT_TRUE(f.Frame1.visible());
    EXPECT_EQ(f.Label12.caption(), "");
}

TEST_F(AircraftList, CancelledOrUnreadableCardAddsNothing) {
    testsupport::Errors errors;
    Form_Aerei& f = editor();
    f.Combo2.doPick(0);
    f.Text1.doType("Mc 200");
    open(QString());
    EXPECT_EQ(f.Text1.text(), "") << "the window is cleared before the dialog";
    EXPECT_FALSE(f.Command4.enabled());
    EXPECT_EQ(f.List1.listCount(), 0);
    EXPECT_TRUE(f.Frame1.visible());

    open(sm79);
    const QString shortCard = cardPath("IT Italia", "Short.SNK");
    testsupport::writeBytes(shortCard, "\"IT Italia\"\r\n\"Mc 200\"\r\n");
    open(shortCard);
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("Short.SNK"));
    EXPECT_EQ(f.List1.listCount(), 1);
    EXPECT_EQ(CG().AircraftData[aircraftcard::Cost], "15") << "nothing half-read is kept";
}

// A card changed by hand so that a value cannot be read is refused at its line, as the set-up
// program refuses it: nothing of it goes to the list or the summary.
TEST_F(AircraftList, AGarbledCardIsRefusedAtItsLine) {
    testsupport::Errors errors;
    Form_Aerei& f = editor();
    const QByteArray card = testsupport::readBytes(sm79);
    testsupport::writeBytes(sm79, QByteArray(card).replace("\r\n\"15\"\r\n", "\r\n\"15\",\"0\"\r\n"));
    open(sm79);
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_EQ(errors.messages[0],
              "Scheda aereo non leggibile: " + diskPath(sm79) +
                  ", riga 14 (costo): altro testo dopo le virgolette chiuse (\"15\",\"0\").");
    EXPECT_EQ(f.List1.listCount(), 0);
    EXPECT_EQ(f.Label22.caption(), "") << "no cost shown";
    EXPECT_TRUE(f.Frame1.visible()) << "back to entering an aircraft";

    testsupport::writeBytes(sm79, card);
    open(sm79);
    EXPECT_EQ(errors.messages.size(), 1);
    EXPECT_EQ(f.Label22.caption(), "15");
}

TEST_F(AircraftList, PrintedListOfFifteen) {
    Form_Aerei& f = editor();
    open(sm79);
    f.Command8.doClick();
    EXPECT_EQ(CG().PrintLineCounter, 1);
    EXPECT_EQ(f.Label43.caption(), "0");
    EXPECT_FALSE(f.Command8.enabled());
    EXPECT_FALSE(f.Command6.enabled());
    EXPECT_EQ(printer().orientation(), 2);
    open(sm79);
    EXPECT_FALSE(f.Command8.enabled()) << "a list under way keeps its commands off";
    EXPECT_EQ(f.Label43.caption(), "0");
    for (int i = 0; i < 15; ++i) f.Image2.doClick();
    EXPECT_EQ(f.Label43.caption(), "15");
    EXPECT_FALSE(f.Command5.enabled());
    EXPECT_EQ(listLines().last(), "LISTA COMPLETA-AVVIARE LA STAMPA");
    f.List1.doPick(f.List1.listCount() - 1);
    f.Image2.doClick();
    EXPECT_EQ(f.Label43.caption(), "16");
    f.Image3.doClick();
    EXPECT_FALSE(printer().jobOpen());
    EXPECT_EQ(printer().pagesPrinted(), 2) << "heading and sixteen aircraft, three lines each";
    const QStringList text = printer().jobText();
    ASSERT_GE(text.size(), 6);
    EXPECT_EQ(text[1], "NOME/RUOLO \tNAZ\tANNO\tKMh\tAUT\tCOSTO\tDISP\tGI\tFA\tFD\tPM\tNS\tCD\tS/B");
    EXPECT_EQ(text[3], "S.79 Sparviero, aerosilurante/ASI - Aerosilurante terrestre") << "trimmed";
    EXPECT_EQ(text[4], "\tIT\t1940\t430\t58\t15\t16\t9\t5\t3\t1\t2\t208\tSB");
    EXPECT_EQ(pdfFiles().size(), 1);
    EXPECT_EQ(printer().orientation(), 1);
    EXPECT_EQ(CG().PrintLineCounter, 0);
    EXPECT_TRUE(f.Frame1.visible());
    EXPECT_FALSE(f.Image2.visible());
    EXPECT_EQ(f.Label43.caption(), "");
    EXPECT_FALSE(f.Command5.enabled()) << "stays off until the editor is loaded again";
}

TEST_F(AircraftList, ResetKeepsAListUnderWay) {
    Form_Aerei& f = editor();
    open(sm79);
    f.Command8.doClick();
    f.Image2.doClick();
    f.Command3.doClick();
    EXPECT_TRUE(f.Frame1.visible());
    EXPECT_EQ(CG().PrintLineCounter, 2);
    EXPECT_EQ(CG().AircraftData[aircraftcard::Name], "0");
    open(sm79);
    EXPECT_TRUE(f.Image2.enabled()) << "the list can still be added to";
    EXPECT_EQ(f.Label43.caption(), "1");
    f.Image2.doClick();
    EXPECT_EQ(f.Label43.caption(), "2");
    f.Image3.doClick();
    EXPECT_EQ(pdfFiles().size(), 1);
    EXPECT_EQ(CG().PrintLineCounter, 0);
    open(sm79);
    EXPECT_TRUE(f.Command8.enabled()) << "a new list can be started";
}

TEST_F(AircraftList, ListSurvivesClosingTheEditor) {
    open(sm79);
    editor().Command8.doClick();
    {
        testsupport::MessageBoxes yes({vbYes});
        editor().Command7.doClick();
    }
    ASSERT_FALSE(isLoaded<Form_Aerei>());
    open(sm79);
    EXPECT_TRUE(editor().Image3.enabled());
    editor().Image3.doClick();
    EXPECT_EQ(pdfFiles().size(), 1);
}

TEST_F(AircraftList, FourCardPreview) {
    Form_Aerei& f = editor();
    open(sm79);
    f.Command4.doClick();
    ASSERT_TRUE(isLoaded<Form_AP>());
    Form_AP& ap = form<Form_AP>();
    EXPECT_TRUE(ap.visible());
    for (int m = 0; m < Form_AP::kModules; ++m) {
        EXPECT_EQ(ap.moduleLabel(m, previewpos::Name).caption(), "S.79 Sparviero, aerosilurante");
        EXPECT_EQ(ap.moduleLabel(m, previewpos::Marks).caption(), "SB");
        EXPECT_EQ(ap.moduleLabel(m, previewpos::BombLoad).caption(), "208");
        EXPECT_EQ(ap.moduleLabel(m, 6).caption(), "< AUTONOMIA   -          VELOCITA' >");
    }
    EXPECT_EQ(ap.moduleLabel(0, 1).name(), "Label1");
    EXPECT_EQ(ap.moduleLabel(1, 1).name(), "Label48");
    EXPECT_EQ(ap.moduleLabel(2, 24).name(), "Label49");
    EXPECT_EQ(ap.moduleLabel(3, 24).name(), "Label73");
    EXPECT_TRUE(ap.flag(3).hasPicture());
    ap.flag(2).doClick();
    EXPECT_EQ(pdfFiles().size(), 1) << "the window printed as shown";
    ap.flag(0).doClick();
    EXPECT_FALSE(isLoaded<Form_AP>());
}

TEST_F(AircraftList, TheListBeginsWithTheAircraftShown) {
    Form_Aerei& f = editor();
    f.show();
    open(sm79);
    open(QStringLiteral(SHIPPED_DATA_DIR "/Aerei/IT Italia/FiatCR.42FalcoCPT1939.SNK"));
    ASSERT_EQ(f.Label12.caption(), "Fiat CR.42 Falco");
    f.Command8.doClick();
    // The button that disables itself hands the focus on to the list, as the window system does.
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(f.List1.widget(), &focusIn);
    EXPECT_EQ(f.Label12.caption(), "Fiat CR.42 Falco") << "taking the focus picks no line";
    f.Image2.doClick();
    f.Image3.doClick();
    const QStringList text = printer().jobText();
    ASSERT_GE(text.size(), 4);
    EXPECT_EQ(text[3], "Fiat CR.42 Falco/CPT - Caccia terrestre");
}
