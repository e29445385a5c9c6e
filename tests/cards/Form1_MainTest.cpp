#include "CardsTestSupport.h"

#include "cards/Form_PS.h"
#include "cards/Form_TP.h"
#include "cards/Form_TS.h"
#include "cards/help/Form1_info1.h"
#include "platform/Files.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace platform;

void enterLittorio(Form1_Main& f) {
    QStringList answers = {"350", "162", "260"};
    platform::testing::setInputBoxHandler(
        [&](const QString&, const QString&, const QString&) { return answers.takeFirst(); });
    platform::testing::setModalHandler([](Form& w) {
        if (auto* tp = dynamic_cast<TurretArmourForm*>(&w)) {
            const bool main = w.name() == "Form_TP";
            tp->Text1.doType(main ? "350" : "280");
            tp->Text2.doType(main ? "200" : "75");
            tp->Text3.doType(main ? "200" : "105");
            tp->Text4.doType(main ? "350" : "150");
            tp->Command3.doClick();
        } else if (auto* ps = dynamic_cast<Form_PS*>(&w)) {
            ps->Check2.doClick();
            ps->Check3.doClick();
            ps->Check4.doClick();
            ps->Command2.doClick();
        }
    });
    f.Text1.doType("Littorio");
    pickItem(f.Combo1, "NB");
    pickItem(f.Combo2, "IT");
    f.Text2.doType("40724");
    pickItem(f.Combo5, "30");
    pickItem(f.Combo4, "533 mm SI");
    pickItem(f.Combo3, "1937");
    pickItem(f.Combo6, "381/50");
    f.Text3.doType("3T*3C");
    pickItem(f.Combo7, "152/55");
    f.Text4.doType("4T*3C");
    pickItem(f.Combo12, "90/50");
    f.Text11.doType("12");
    f.Text12.doType("36");
    f.Text7.doType("3");
    f.Command6.doClick();
    f.Command7.doClick();
    f.Command8.doClick();
    f.Command9.doClick();
    f.Command10.doClick();
    f.Command11.doClick();
    platform::testing::setModalHandler(nullptr);
    platform::testing::setInputBoxHandler(nullptr);
}

TEST_F(CardsWindowTest, StartWindowFoldersAndEditorRoundTrip) {
    EXPECT_FALSE(folderExists(folder->path() + "/Navi"));
    FormStart& start = form<FormStart>();
    EXPECT_TRUE(folderExists(folder->path() + "/Navi"));
    EXPECT_FALSE(folderExists(folder->path() + "/Aerei")) << "the aircraft editor makes its own folder";
    EXPECT_EQ(start.caption(), "Torvcard");
    EXPECT_TRUE(CG().DataFolder.endsWith("\\Data\\"));

    Form1_Main& f = openEditor();
    EXPECT_FALSE(isLoaded<FormStart>());
    EXPECT_EQ(f.Label35.caption(), "1939");
    EXPECT_TRUE(isRed(f));
    EXPECT_FALSE(f.Command1.enabled());
    EXPECT_EQ(f.Combo1.listCount(), 15);
    EXPECT_EQ(f.Combo2.listCount(), 8);
    EXPECT_EQ(f.Label29.caption(), "Protez. Generale - CG");
    EXPECT_EQ(f.Label40.caption(), "PV:0  OD:0  VD:0  AS:0");
    pickItem(f.Combo13, "1942");
    EXPECT_EQ(CG().DataYear, "1942");

    f.Text1.doType("Zara");
    {
        testsupport::MessageBoxes no({vbNo});
        f.Command3.doClick();
        EXPECT_EQ(no.prompts, QStringList{"Hai salvato il Record. Sei sicuro?"});
        EXPECT_EQ(no.titles, QStringList{"Chiude Progetto Torvcard"});
        EXPECT_EQ(no.styles[0], vbYesNo + vbExclamation);
    }
    ASSERT_TRUE(isLoaded<Form1_Main>());
    EXPECT_EQ(f.Text1.text(), "Zara") << "No keeps every value";
    {
        testsupport::MessageBoxes yes({vbYes});
        f.Command3.doClick();
    }
    EXPECT_FALSE(isLoaded<Form1_Main>());
    ASSERT_TRUE(isLoaded<FormStart>());
    EXPECT_EQ(CG().DataYear, "1939");
    EXPECT_EQ(openEditor().Label35.caption(), "1939");
}

TEST_F(CardsWindowTest, RatingLittorioThroughTheWindow) {
    Form1_Main& f = openEditor();
    enterLittorio(f);
    EXPECT_EQ(f.Label21.caption(), "350");
    EXPECT_EQ(f.Label24.caption(), " 350  200  200  350  1");
    EXPECT_EQ(f.Label25.caption(), " 280  75  105  150  1");
    EXPECT_EQ(f.Label40.caption(), "PV:0  OD:1  VD:1  AS:1");
    EXPECT_EQ(f.Label56.caption(), " 36");
    EXPECT_EQ(f.Label13.caption(), "24");
    EXPECT_EQ(int(CG().ShipKnots), 30);
    EXPECT_TRUE(isRed(f));

    f.Label35.doClick();
    EXPECT_TRUE(isGreen(f));
    EXPECT_TRUE(f.Command1.enabled());
    const QStringList labels = {
        f.Label11.caption(), f.Label12.caption(), f.Label30.caption(), f.Label31.caption(),
        f.Label43.caption(), f.Label42.caption(), f.Label32.caption(), f.Label41.caption(),
        f.Label49.caption(), f.Label33.caption(), f.Label34.caption(), f.Label51.caption(),
        f.Label53.caption(), f.Label50.caption(), f.Label52.caption(), f.Label54.caption()};
    EXPECT_EQ(labels, (QStringList{"376", "14", "26", "11", "11", "10", "16", "15", "9", "21", "15", "88",
                                   "840", "0", "8", "0"}));
    EXPECT_EQ(f.Label59.caption(), " 36");
    const ShipValues& d = CG().ShipData;
    EXPECT_EQ(d[1], "Littorio");
    EXPECT_EQ(d[2].left(2), "NB");
    EXPECT_EQ(d[4], "IT");
    EXPECT_EQ(d[5], "1939");
    EXPECT_EQ(d[16], "840");
    EXPECT_EQ(d[46], "90/50 mm ds");
    EXPECT_EQ(d[47], "12");
    EXPECT_EQ(d[49], "36");
    EXPECT_EQ(d[40], "0") << "no calibre chosen on the main turrets";

    // Any change of the data after the rating asks for a new one.
    f.Text4.doType("x");
    EXPECT_TRUE(isRed(f));
    EXPECT_FALSE(f.Command1.enabled());
    f.Label35.doClick();
    pickItem(f.Combo13, "1941");
    EXPECT_TRUE(isRed(f)) << "a new data year must be rated again";
    EXPECT_EQ(f.Label35.caption(), "1941");
}

TEST_F(CardsWindowTest, SaveIsOfferedOnlyWithNameAndNation) {
    Form1_Main& f = openEditor();
    f.Text2.doType("1850");
    pickItem(f.Combo5, "30");
    pickItem(f.Combo3, "1937");
    f.Label35.doClick();
    EXPECT_TRUE(isGreen(f));
    EXPECT_FALSE(f.Command1.enabled());
    pickItem(f.Combo2, "GB");
    f.Text1.doType("K");
    f.Label35.doClick();
    EXPECT_FALSE(f.Command1.enabled());
    f.Text1.doType("e");
    f.Label35.doClick();
    EXPECT_TRUE(f.Command1.enabled());
    f.Label35.doDblClick();
    EXPECT_TRUE(isRed(f));
    EXPECT_FALSE(f.Command1.enabled());
}

TEST_F(CardsWindowTest, ListsTypesAndAntiAircraftEntry) {
    Form1_Main& f = openEditor();
    auto* elevators = qobject_cast<QLineEdit*>(f.Text8.widget());
    pickItem(f.Combo1, "PL");
    EXPECT_FALSE(elevators->isReadOnly());
    f.Text8.doType("2");
    EXPECT_EQ(f.Label38.caption(), "2");
    pickItem(f.Combo1, "NB");
    EXPECT_TRUE(elevators->isReadOnly());
    EXPECT_EQ(f.Text8.text(), "");
    EXPECT_FLOAT_EQ(CG().ShipTypeNumber, 3);

    pickItem(f.Combo2, "IT");
    EXPECT_EQ(CG().NationCode, "IT");
    EXPECT_TRUE(f.Image2.hasPicture());
    EXPECT_EQ(f.Combo6.listCount(), f.Combo14.listCount());
    ASSERT_GT(f.Combo10.listCount(), 1);
    for (int i = 0; i + 1 < f.Combo10.listCount(); ++i) EXPECT_TRUE(f.Combo10.list(i).endsWith("ds"));
    EXPECT_EQ(f.Combo10.list(f.Combo10.listCount() - 1), " ");

    pickItem(f.Combo10, "100/47");
    f.Text9.doType("4-.x");
    EXPECT_EQ(f.Text9.text(), "4") << "digits only";
    EXPECT_EQ(f.Label26.caption(), " 16");
    pickItem(f.Combo10, "37/54");
    EXPECT_EQ(f.Text9.text(), "") << "a new calibre empties its barrels";
    f.Text9.doType("4");
    EXPECT_EQ(f.Label26.caption(), " 8");
    f.Text12.doType("5");
    EXPECT_EQ(f.Label13.caption(), "3");
    f.Text2.doType("1200");
    EXPECT_EQ(f.Label7.caption(), "1200");
    EXPECT_FLOAT_EQ(CG().StandardDisplacement, 1200);
    pickItem(f.Combo5, "17.5");
    EXPECT_EQ(int(CG().ShipKnots), 18);
}

// Several boxes and lists share one handler, told which control it serves: each reaches its own.
TEST_F(CardsWindowTest, SharedHandlersServeTheirOwnControls) {
    Form1_Main& f = openEditor();
    pickItem(f.Combo2, "IT");
    const std::pair<ComboBox*, Label*> guns[] = {
        {&f.Combo6, &f.Label18}, {&f.Combo7, &f.Label19}, {&f.Combo8, &f.Label20}, {&f.Combo14, &f.Label62}};
    for (int i = 0; i < 4; ++i) {
        auto [list, shown] = guns[i];
        list->doPick(i + 1);
        EXPECT_EQ(shown->caption(), list->text()) << list->name().toStdString();
        EXPECT_FALSE(shown->caption().isEmpty());
    }
    ComboBox* calibres[3] = {&f.Combo10, &f.Combo11, &f.Combo12};
    TextBox* barrels[3] = {&f.Text9, &f.Text10, &f.Text11};
    Label* values[3] = {&f.Label26, &f.Label55, &f.Label56};
    for (int k = 0; k < 3; ++k) {
        calibres[k]->doPick(0);
        EXPECT_EQ(CG().AaCalibre[k], calibres[k]->text());
        barrels[k]->doType("2");
        EXPECT_EQ(CG().AaBarrels[k], 2);
        for (int j = 0; j < 3; ++j) EXPECT_EQ(values[j]->caption().isEmpty(), j > k) << k << " " << j;
    }
    for (int k = 0; k < 3; ++k) {
        calibres[k]->doPick(1);
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(barrels[j]->text(), j <= k ? "" : "2") << "a new calibre empties its own barrels";
    }

    // The number boxes take digits; a click on a box marks the record not computed, a double-click
    // empties it.
    pickItem(f.Combo1, "PA");
    for (TextBox* t : {&f.Text2, &f.Text7, &f.Text8, &f.Text9, &f.Text10, &f.Text11, &f.Text12, &f.Text15}) {
        t->setText(QString());
        t->doType("1x");
        EXPECT_EQ(t->text(), "1") << t->name().toStdString();
    }
    for (TextBox* t : {&f.Text1, &f.Text2, &f.Text3, &f.Text4, &f.Text5, &f.Text6, &f.Text7, &f.Text8,
                       &f.Text9, &f.Text10, &f.Text11, &f.Text12, &f.Text14, &f.Text13}) {
        t->setText("12");
        f.Verde();
        if (t != &f.Text13) {
            t->doClick();
            EXPECT_TRUE(isRed(f)) << t->name().toStdString();
            f.Verde();
        }
        t->doDblClick();
        EXPECT_EQ(t->text(), "") << t->name().toStdString();
        EXPECT_EQ(isRed(f), t != &f.Text13) << t->name().toStdString();
    }
}

TEST_F(CardsWindowTest, GunAndTorpedoListsOnlyTakePicks) {
    Form1_Main& f = openEditor();
    pickItem(f.Combo2, "IT");
    pickItem(f.Combo6, "120/50");
    const QString picked = f.Combo6.text();
    platform::testing::resetBeeps();
    for (ComboBox* list : {&f.Combo6, &f.Combo4, &f.Combo10}) {
        const QString before = list->text();
        QLineEdit* text = qobject_cast<QComboBox*>(list->widget())->lineEdit();
        QTest::keyClicks(text, "2x2");
        EXPECT_EQ(list->text(), before) << list->name().toStdString();
    }
    EXPECT_EQ(platform::testing::beepCount(), 9) << "each typed key is refused with a beep";
    QApplication::clipboard()->setText("2x2");
    QTest::keyClick(qobject_cast<QComboBox*>(f.Combo6.widget())->lineEdit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.Combo6.text(), picked) << "nor can it be pasted";
    EXPECT_EQ(f.Label18.caption(), picked) << "the pick stands";
    EXPECT_EQ(f.Combo4.text(), "SILURI") << "the caption too";
    f.Text3.doType("2x2");
    EXPECT_EQ(f.Text3.text(), "2x2") << "the count goes in its box";
}

TEST_F(CardsWindowTest, ArmourPromptsAcceptAndRefuse) {
    Form1_Main& f = openEditor();
    QString answer;
    QString title;
    platform::testing::setInputBoxHandler([&](const QString&, const QString& t, const QString&) {
        title = t;
        return answer;
    });
    testsupport::MessageBoxes boxes;
    testsupport::Errors errors;
    answer = "998";
    f.Command6.doClick();
    EXPECT_EQ(title, "SOLO NUMERI INTERI INFERIORI A 999");
    EXPECT_EQ(f.Label21.caption(), "998");
    EXPECT_EQ(int(CG().VerticalArmour), 998);
    answer = "999";
    f.Command6.doClick();
    EXPECT_EQ(boxes.prompts, QStringList{"Solo Numeri INFERIORI a 999"});
    EXPECT_EQ(boxes.titles, QStringList{"Valore Troppo Grande"});
    EXPECT_EQ(f.Label21.caption(), "998");
    answer = "-5";
    f.Command7.doClick();
    EXPECT_EQ(f.Label22.caption(), "-5");
    answer = "12.5";
    f.Command7.doClick();
    EXPECT_EQ(f.Label22.caption(), "12.5");
    EXPECT_EQ(int(CG().HorizontalArmour), 12);
    answer = "";
    f.Command8.doClick();
    EXPECT_EQ(f.Label23.caption(), "0");
    answer = "dieci";
    f.Command6.doClick();
    EXPECT_EQ(f.Label21.caption(), "0") << "a text that begins with no number";
    answer = "-40000";
    f.Command8.doClick();
    EXPECT_TRUE(errors.messages.isEmpty());
    ASSERT_EQ(boxes.prompts.size(), 2) << "beyond 16 bits: refused, naming the armour";
    EXPECT_EQ(boxes.prompts[1], "Corazzatura PLANCIA COMANDO IN mm: SOLO NUMERI INTERI da -32768 a 998");
    EXPECT_EQ(boxes.titles[1], "Valore Troppo Piccolo");
    EXPECT_EQ(f.Label23.caption(), "0");
    EXPECT_EQ(int(CG().BridgeArmour), 0);
    answer = "-32768";
    f.Command8.doClick();
    EXPECT_EQ(f.Label23.caption(), "-32768");
    EXPECT_EQ(boxes.prompts.size(), 2);
}

TEST_F(CardsWindowTest, TurretAndProtectionWindows) {
    Form1_Main& f = openEditor();
    pickItem(f.Combo1, "IB");
    int showings = 0;
    platform::testing::setModalHandler([&](Form& w) {
        ++showings;
        auto& tp = dynamic_cast<TurretArmourForm&>(w);
        if (showings == 1) {
            EXPECT_EQ(w.caption(), "Protezione Artiglierie Principali");
            tp.Command3.doClick(); // nothing entered
        } else if (showings == 2) {
            tp.Text1.doType("12a.-");
            EXPECT_EQ(tp.Text1.text(), "12");
            EXPECT_TRUE(tp.Option1.value()) << "closed turrets by default on a battlecruiser";
            tp.Option2.doClick();
            tp.Text2.doType("80");
            tp.Command2.doClick(); // Annulla
        } else {
            EXPECT_EQ(tp.Text1.text(), "12") << "entries survive Annulla";
            tp.Command3.doClick();
            EXPECT_EQ(tp.Text1.text(), "");
            EXPECT_FALSE(tp.Option1.value());
            EXPECT_FALSE(tp.Option2.value());
        }
    });
    f.Command9.doClick();
    EXPECT_EQ(f.Label24.caption(), " 0  0  0  0  0");
    f.Command9.doClick();
    EXPECT_EQ(f.Label24.caption(), " 0  0  0  0  0") << "Annulla stores nothing";
    f.Command9.doClick();
    EXPECT_EQ(f.Label24.caption(), " 12  80  0  0  0");

    platform::testing::setModalHandler([](Form& w) {
        auto& ts = dynamic_cast<TurretArmourForm&>(w);
        EXPECT_EQ(w.caption(), "Protezione Artiglierie Secondarie");
        EXPECT_EQ(ts.Command1.caption(), "Annulla I Dati");
        ts.Text1.doType("25");
        ts.Command3.doClick();
    });
    f.Command10.doClick();
    EXPECT_EQ(f.Label25.caption(), " 25  0  0  0  1");

    platform::testing::setModalHandler([](Form& w) {
        auto& ps = dynamic_cast<Form_PS&>(w);
        EXPECT_FALSE(ps.Check1.enabled()) << "armoured flight deck: carriers only";
        ps.Check3.doClick();
        ps.Command1.doClick(); // Annulla keeps the flag but not the caption
    });
    f.Command11.doClick();
    EXPECT_EQ(int(CG().SpecialProtections[2]), 1);
    EXPECT_EQ(f.Label40.caption(), "PV:0  OD:0  VD:0  AS:0");
    platform::testing::setModalHandler([](Form& w) {
        auto& ps = dynamic_cast<Form_PS&>(w);
        EXPECT_EQ(ps.Check3.value(), 1);
        ps.Command3.doClick();
        ps.Command2.doClick();
    });
    f.Command11.doClick();
    EXPECT_EQ(f.Label40.caption(), "PV:0  OD:0  VD:0  AS:0");
    EXPECT_EQ(int(CG().SpecialProtections[2]), 0);
}

TEST_F(CardsWindowTest, MissingReferenceFilesAreNamedAndTheEditorStaysUsable) {
    QFile::remove(folder->file("Data/siluri.txt"));
    QFile::remove(folder->file("Data/CostoBase.txt"));
    testsupport::Errors errors;
    Form1_Main& f = openEditor();
    ASSERT_TRUE(isLoaded<Form1_Main>());
    ASSERT_EQ(errors.messages.size(), 2);
    EXPECT_TRUE(errors.messages[0].contains("CostoBase.txt"));
    EXPECT_TRUE(errors.messages[1].contains("siluri.txt"));
    EXPECT_EQ(f.Combo1.listCount(), 15);
    EXPECT_EQ(f.Combo4.listCount(), 0);
    pickItem(f.Combo2, "IT");
    f.Text1.doType("Zara");
    f.Label35.doClick();
    EXPECT_EQ(errors.messages.size(), 3);
    EXPECT_TRUE(isRed(f)) << "not rated without its tables";
}

TEST_F(CardsWindowTest, HelpViewerShowsTheFileAndClosesOnAClick) {
    Form1_Main& f = openEditor();
    QString shown;
    platform::testing::setModalHandler([&](Form& w) {
        auto& help = dynamic_cast<Form1_info1&>(w);
        EXPECT_EQ(w.caption(), "Informazioni - Clicca x chiudere");
        shown = help.txtWordProc.text();
        help.txtWordProc.doClick();
        EXPECT_FALSE(isLoaded<Form1_info1>());
    });
    f.Label1.doClick();
    EXPECT_TRUE(HelpFilePath.endsWith("tipologianavitesto.txt"));
    EXPECT_TRUE(shown.startsWith("TIPOLOGIA NAVE"));
    EXPECT_TRUE(shown.contains("\nPA  Portaerei")) << "lines stay lines, in file order";
    EXPECT_TRUE(shown.contains(QString::fromUtf8("è il dato più"))) << "read from the code page";

    testsupport::writeBytes(folder->file("Data/Abouthelp.txt"), "Nuovo testo\r\n");
    f.Image1.doClick();
    EXPECT_EQ(shown, "Nuovo testo\n");

    QFile::remove(folder->file("Data/cannoniAAHelp.txt"));
    testsupport::Errors errors;
    shown.clear();
    f.Label57.doClick();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("cannoniAAHelp.txt"));
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_FALSE(isLoaded<Form1_info1>());
}

// A card is rated and saved only from values a campaign can hold and that its labels show.
TEST_F(CardsWindowTest, RatingRefusesATonnageNoCampaignHoldsOrOfNoneOrZeroAndAnEmptySpeedOrYear) {
    testsupport::Errors errors;
    Form1_Main& f = openEditor();
    enterLittorio(f);
    f.Text2.setText("70000");
    f.Label35.doClick();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("stazza standard") && errors.messages[0].contains("STAZZA") &&
                errors.messages[0].contains("tra 0 e 65000"))
        << errors.messages[0].toStdString();
    EXPECT_TRUE(isRed(f));
    EXPECT_FALSE(f.Command1.enabled()) << "nothing to save";
    f.Text2.setText("65000");
    f.Label35.doClick();
    EXPECT_TRUE(isGreen(f));

    for (Label* emptied : {&f.Label8, &f.Label6}) {
        const QString shown = emptied->caption();
        emptied->setCaption(QString());
        f.Label35.doDblClick();
        f.Label35.doClick();
        EXPECT_TRUE(isRed(f)) << emptied->name().toStdString();
        EXPECT_FALSE(f.Command1.enabled());
        emptied->setCaption(shown);
    }
    ASSERT_EQ(errors.messages.size(), 3);
    EXPECT_TRUE(errors.messages[1].contains("velocità"));
    EXPECT_TRUE(errors.messages[2].contains("anno del varo"));

    // The displacement emptied as the player does it: a double-click on its box.
    f.Label35.doClick();
    ASSERT_TRUE(f.Command1.enabled());
    const QString resistance = f.Label11.caption();
    f.Text2.doDblClick();
    EXPECT_EQ(f.Label7.caption(), "");
    f.Label35.doClick();
    ASSERT_EQ(errors.messages.size(), 4);
    EXPECT_EQ(errors.messages[3], "Inserire la stazza standard in tonnellate prima di elaborare la scheda.");
    EXPECT_TRUE(isRed(f));
    EXPECT_FALSE(f.Command1.enabled()) << "nothing to save";
    EXPECT_EQ(f.Label11.caption(), resistance) << "no resistance rated from no displacement";
    f.Text2.doType("40724");
    f.Label35.doClick();
    EXPECT_TRUE(isGreen(f));
    EXPECT_TRUE(f.Command1.enabled());

    // A ship of 0 t is refused as one of none, with the same message.
    const QString rated = f.Label11.caption();
    for (const char* zero : {"0", "000"}) {
        f.Text2.doDblClick();
        f.Text2.doType(zero);
        f.Label35.doClick();
        ASSERT_EQ(errors.messages.size(), 5) << zero;
        EXPECT_EQ(errors.messages.takeLast(),
                  "Inserire la stazza standard in tonnellate prima di elaborare la scheda.");
        EXPECT_TRUE(isRed(f));
        EXPECT_FALSE(f.Command1.enabled()) << "nothing to save";
        EXPECT_EQ(f.Label11.caption(), rated) << "no resistance rated from 0 t";
    }
}

// "Salva" grey says why on the line under the commands, once the data year has been clicked: each
// reason in turn, cleared when it is gone; a refusal the entries do not show stands until the next
// rating.
TEST_F(CardsWindowTest, WhySaveIsGreyIsSaidUntilTheReasonIsGone) {
    testsupport::Errors errors;
    Form1_Main& f = openEditor();
    const QString held = "\"Salva\" non attivo: ";
    auto line = [&] { return f.Label65.caption(); };
    pickItem(f.Combo3, "1937");
    EXPECT_EQ(line(), "") << "nothing said before the data year is clicked";
    f.Label35.doClick();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_EQ(line(), held + "inserire la STAZZA STANDARD in tonnellate, maggiore di 0.");
    EXPECT_EQ(f.Label65.foreColor(), vbRed);
    f.Text2.doType("5600");
    EXPECT_EQ(line(), held + "scegliere la VELOCITA' reale in nodi.");
    pickItem(f.Combo5, "30");
    EXPECT_EQ(line(), held + "scrivere il NOME NAVE, almeno 2 caratteri.");
    f.Text1.doType("Dido");
    EXPECT_EQ(line(), held + "scegliere la NAZIONE.");
    pickItem(f.Combo2, "GB");
    EXPECT_EQ(line(), "") << "nothing left but the rating the hint asks for";
    EXPECT_FALSE(f.Command1.enabled());

    // Out of scale: said until a rating goes through.
    pickItem(f.Combo1, "IL");
    f.Text2.doDblClick();
    f.Text2.doType("70000");
    f.Label35.doClick();
    ASSERT_EQ(errors.messages.size(), 2);
    const QString outOfScale =
        held + "un valore è fuori scala, come detto dal messaggio. Correggerlo e cliccare l'ANNO DEI DATI.";
    EXPECT_EQ(line(), outOfScale);
    EXPECT_TRUE(isRed(f));
    f.Text2.doDblClick();
    f.Text2.doType("5600");
    EXPECT_EQ(line(), outOfScale);
    f.Label35.doClick();
    EXPECT_EQ(line(), "");
    EXPECT_TRUE(f.Command1.enabled());

    // Saved: the card's place stays until the data year is clicked on the stored card.
    f.Command1.doClick();
    EXPECT_TRUE(line().startsWith("Scheda salvata: "));
    f.Text3.doClick();
    EXPECT_TRUE(line().startsWith("Scheda salvata: "));
    f.Label35.doClick();
    EXPECT_EQ(line(), held + "i Record salvati non si modificano: vanno cancellati e risalvati.");
    EXPECT_EQ(f.Label65.foreColor(), vbRed);

    // A reset starts the record afresh: the launch year, then a table that cannot be read.
    f.Command2.doClick();
    EXPECT_EQ(line(), "");
    f.Text2.doType("5600");
    pickItem(f.Combo5, "30");
    f.Label35.doClick();
    EXPECT_EQ(line(), held + "scegliere l'ANNO del varo o della ristrutturazione.");
    QFile::remove(folder->file("Data/CostoBase.txt"));
    pickItem(f.Combo3, "1937");
    f.Text1.doType("Dido");
    pickItem(f.Combo2, "GB");
    f.Label35.doClick();
    ASSERT_EQ(errors.messages.size(), 4);
    EXPECT_TRUE(errors.messages[3].contains("CostoBase.txt"));
    EXPECT_EQ(line(), held + "manca una tabella dei dati, come detto dal messaggio.");
    EXPECT_FALSE(f.Command1.enabled());
}
