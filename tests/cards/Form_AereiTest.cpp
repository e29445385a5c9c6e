#include "AircraftEditorFixture.h"
#include "cards/FormStart.h"
#include "cards/help/Form1_info1.h"
#include "tests/support/LayoutCheck.h"
#include <QDir>

using namespace platform;

TEST_F(AircraftEditor, LoadsEmptyWithOnlyTheNations) {
    Form_Aerei& f = editor();
    EXPECT_EQ(f.caption(), "Genera Schede Aerei");
    EXPECT_EQ(f.Combo2.listCount(), 8);
    EXPECT_EQ(f.Combo3.listCount(), 0);
    EXPECT_EQ(f.Combo11.listCount(), 0);
    EXPECT_FALSE(f.Text1.enabled());
    EXPECT_FALSE(f.Command2.enabled());
    EXPECT_TRUE(folderExists(CG().AircraftCardFolder)) << "the card folder is made at load";
    EXPECT_EQ(CG().RoleTables.factor(2), 10);
}

TEST_F(AircraftEditor, Bf109EnteredRatedAndSaved) {
    enterBf109();
    Form_Aerei& f = editor();
    EXPECT_EQ(f.Combo1.listCount(), 16) << "German makers";
    EXPECT_EQ(f.Combo11.list(0), "1945");
    EXPECT_EQ(f.Combo11.list(18), "1927");
    EXPECT_EQ(f.Label12.caption(), "Bf109E-4");
    EXPECT_EQ(f.Label33.caption(), "10");
    EXPECT_EQ(f.Label10.backColor(), 49152);
    EXPECT_EQ(f.Label18.caption(), "6");
    EXPECT_EQ(f.Label32.caption(), "16");
    EXPECT_EQ(f.Label34.caption(), "16");
    EXPECT_EQ(f.Label35.caption(), "10");
    EXPECT_EQ(f.Label39.caption(), "8");
    EXPECT_EQ(f.Label22.caption(), "8");
    EXPECT_EQ(f.Label42.caption(), "39");
    ASSERT_TRUE(f.Command2.enabled());
    f.Command2.doClick();
    const QString path = cardPath("DE Germania", "Bf109E-4CPT1939.SNK");
    EXPECT_EQ(testsupport::readBytes(path),
              testsupport::readBytes(TEST_SOURCE_DIR "/cards/data/Bf109E-4CPT1939.SNK"));
    EXPECT_EQ(f.Label51.caption(),
              "Scheda salvata: " + QDir::toNativeSeparators("Aerei/DE Germania/Bf109E-4CPT1939.SNK"));
}

TEST_F(AircraftEditor, SaveNeedsAYearAndRefusesBadFileNames) {
    testsupport::Errors errors;
    Form_Aerei& f = editor();
    pickItem(f.Combo2, "GB");
    f.Text1.doType("Hurricane");
    f.Command2.doClick();
    EXPECT_TRUE(filesIn(CG().AircraftCardFolder + "GB Gran Bretagna").isEmpty()) << "no year, no card";
    EXPECT_TRUE(errors.messages.isEmpty());
    f.Combo11.doPick(0);
    f.Text1.setText("Hurricane Mk I/Trop");
    f.Command2.doClick();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("/"));
}

TEST_F(AircraftEditor, EntryRules) {
    Form_Aerei& f = editor();
    pickItem(f.Combo2, "IT");
    EXPECT_TRUE(f.Text1.enabled());
    f.Text3.doType("200");
    EXPECT_EQ(f.Check2.value(), 0);
    EXPECT_EQ(f.Label36.caption(), "33");
    f.Text3.doType("1");
    EXPECT_EQ(f.Check2.value(), 1) << "201 kg";
    EXPECT_EQ(CG().BomberFlag, 1);
    f.Text3.setText("1.000");
    EXPECT_EQ(f.Check2.value(), 0) << "a thousands point reads as 1 kg";
    f.Text3.setText("1000");
    EXPECT_EQ(f.Label36.caption(), "166");

    f.Text2.doType("1x0.00");
    EXPECT_EQ(f.Text2.text(), "1000") << "letters and points are swallowed";
    f.Text4.doType("400");
    EXPECT_EQ(f.Label32.caption(), "34");
    f.Text2.setText("1200");
    f.Text4.setText("500");
    EXPECT_EQ(f.Label32.caption(), "32");
    f.Text2.setText("2400");
    EXPECT_EQ(f.Label32.caption(), "64") << "the range alone recomputes TA";
    f.Text4.doDblClick();
    EXPECT_EQ(f.Text4.text(), "");
    EXPECT_EQ(f.Label32.caption(), "") << "no speed, no TA";
    EXPECT_EQ(CG().AutonomyTurns, 0);
    f.Text4.doType("500");

    f.Combo10.doPick(2);
    EXPECT_EQ(f.Check1.value(), 1);
    EXPECT_EQ(f.Label37.caption(), "2");
    f.Combo10.doPick(0);
    EXPECT_EQ(f.Check1.value(), 0);
    EXPECT_EQ(f.Label37.caption(), "0");

    f.Combo3.doPick(5);
    EXPECT_EQ(f.Check3.value(), 1);
    EXPECT_EQ(f.Label44.caption(), "Imbarcato");
    f.Combo3.doPick(1);
    EXPECT_EQ(f.Label44.caption(), "Non Imbarcato");

    f.Text1.setText(" A 12 ");
    EXPECT_EQ(f.Label12.caption(), "A12");
    EXPECT_TRUE(f.Command2.enabled());
    f.Text1.setText("A");
    EXPECT_FALSE(f.Command2.enabled());

    f.Combo4.doPick(3);
    EXPECT_DOUBLE_EQ(CG().WeaponProducts[1], 8.7);
    f.Option1[0].doClick();
    EXPECT_EQ(f.Label46.caption(), "S");
}

// The six weapon lists share one handler, told the weapon class; the boxes clear on a double-click;
// the bomber and torpedo marks follow the load, not a click.
TEST_F(AircraftEditor, SharedHandlersServeTheirOwnControls) {
    Form_Aerei& f = editor();
    pickItem(f.Combo2, "IT");
    ComboBox* lists[6] = {&f.Combo4, &f.Combo5, &f.Combo6, &f.Combo7, &f.Combo8, &f.Combo9};
    const double coefficients[6] = {2.9, 2.6, 2.4, 2.1, 1.8, 1.2};
    for (int k = 1; k <= 6; ++k) {
        lists[k - 1]->doPick(1);
        EXPECT_DOUBLE_EQ(CG().WeaponProducts[k], coefficients[k - 1]) << lists[k - 1]->name().toStdString();
    }
    for (TextBox* t : {&f.Text1, &f.Text2, &f.Text3, &f.Text4}) {
        t->setText("12");
        t->doDblClick();
        EXPECT_EQ(t->text(), "") << t->name().toStdString();
    }
    f.Check1.doClick();
    f.Check2.doClick();
    EXPECT_EQ(f.Check1.value(), 0);
    EXPECT_EQ(f.Check2.value(), 0);
    f.Text3.doType("300");
    f.Combo10.doPick(1);
    f.Check1.doClick();
    f.Check2.doClick();
    EXPECT_EQ(f.Check1.value(), 1);
    EXPECT_EQ(f.Check2.value(), 1);
}

TEST_F(AircraftEditor, RefusedEntriesLeaveNothingToSave) {
    testsupport::Errors errors;
    Form_Aerei& f = editor();
    pickItem(f.Combo2, "IT");
    f.Text1.doType("Mc 200");
    f.Combo11.doPick(0);
    f.Text3.doType("abc");
    EXPECT_EQ(f.Text3.text(), "") << "letters are swallowed";
    EXPECT_EQ(f.Label36.caption(), "");
    f.Text3.doType("1a2");
    EXPECT_EQ(f.Text3.text(), "12");
    f.Text2.doType("1000");
    f.Text4.doType("400");
    ASSERT_TRUE(f.Command2.enabled());

    f.Text2.doDblClick();
    f.Text2.doType("99999");
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("fuori scala"));
    EXPECT_EQ(f.Label32.caption(), "") << "no autonomy from a refused range";
    EXPECT_EQ(f.Label22.caption(), "") << "nor a cost";
    EXPECT_FALSE(f.Command2.enabled());
    f.Text1.doType("1");
    EXPECT_FALSE(f.Command2.enabled()) << "a new name does not undo the refusal";
    f.Text2.doDblClick();
    f.Text2.doType("1000");
    EXPECT_EQ(f.Label32.caption(), "34");
    EXPECT_EQ(f.Label22.caption(), "3");
    EXPECT_TRUE(f.Command2.enabled());

    f.Text3.setText("9999999");
    ASSERT_EQ(errors.messages.size(), 2);
    EXPECT_EQ(f.Label36.caption(), "") << "no bomb value from a refused load";
    EXPECT_EQ(f.Label22.caption(), "");
    EXPECT_FALSE(f.Command2.enabled());
    f.Text3.doDblClick();
    EXPECT_TRUE(f.Command2.enabled());
}

TEST_F(AircraftEditor, MarksFollowTheLoadWhateverTheType) {
    Form_Aerei& f = editor();
    pickItem(f.Combo2, "IT");
    f.Text3.setText("1250");
    f.Combo10.doPick(1);
    pickItem(f.Combo3, "ASI");
    EXPECT_EQ(f.Check2.value(), 1);
    EXPECT_EQ(f.Check1.value(), 1);
    f.FormToAircraftData();
    EXPECT_EQ(CG().AircraftData[29] + CG().AircraftData[30], "SB");
    f.Check1.doClick();
    f.Check2.doClick();
    EXPECT_EQ(f.Check1.value(), 1) << "a tick by hand is undone";
    f.Text3.setText("100");
    f.Check2.doClick();
    EXPECT_EQ(f.Check2.value(), 0);
    EXPECT_EQ(CG().BomberFlag, 0);
}

TEST_F(AircraftEditor, NewNationEmptiesEverything) {
    enterBf109();
    Form_Aerei& f = editor();
    pickItem(f.Combo2, "GB");
    EXPECT_EQ(f.Text1.text(), "");
    EXPECT_EQ(f.Label34.caption(), "");
    EXPECT_EQ(f.Label33.caption(), "");
    EXPECT_EQ(f.Label10.backColor(), vbRed);
    EXPECT_EQ(f.Label11.caption(), "GB Gran Bretagna");
    EXPECT_EQ(f.Label45.caption(), "Non idro");
    EXPECT_EQ(f.Combo1.list(0), "Supermarine");
    // A new aircraft does not inherit the old one's judgement or guns.
    f.Combo3.doPick(1);
    f.Combo9.doPick(8);
    EXPECT_EQ(f.Label34.caption(), "9") << "Int(9.6 x 10 / 10)";
}

TEST_F(AircraftEditor, MissingMakersFileIsReportedAndTheNationNotTaken) {
    testsupport::Errors errors;
    Form_Aerei& f = editor();
    pickItem(f.Combo2, "IT");
    deleteFile(CG().DataFolder + "JPBrand.txt");
    pickItem(f.Combo2, "JP");
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("JPBrand.txt"));
    EXPECT_EQ(f.Label11.caption(), "IT Italia");
    EXPECT_EQ(f.Combo1.list(0), "Aeronautica Macchi");
    EXPECT_EQ(f.Combo2.text(), "IT Italia");
}

TEST_F(AircraftEditor, ClosingAsksFirst) {
    Form_Aerei& f = editor();
    f.Combo2.doPick(0);
    f.Text1.doType("Fiat G.50");
    {
        testsupport::MessageBoxes boxes({vbNo});
        f.Command7.doClick();
        ASSERT_EQ(boxes.prompts.size(), 1);
        EXPECT_EQ(boxes.prompts[0], "Hai salvato il Record. Sei sicuro?");
        EXPECT_EQ(boxes.titles[0], "Chiude Progetto Torvcard");
    }
    ASSERT_TRUE(isLoaded<Form_Aerei>());
    EXPECT_EQ(f.Text1.text(), "Fiat G.50");
    testsupport::MessageBoxes boxes({vbYes});
    f.Command7.doClick();
    EXPECT_FALSE(isLoaded<Form_Aerei>());
    EXPECT_TRUE(isLoaded<FormStart>() && form<FormStart>().visible()) << "the start window comes back";
}

TEST_F(AircraftEditor, OpenedFromTheStartWindowWithItsFlagAndHelp) {
    Form_Aerei& f = editor();
    EXPECT_FALSE(isLoaded<FormStart>());
    pickItem(f.Combo2, "IT");
    EXPECT_TRUE(f.Image1.hasPicture()) << "the nation's flag";
    QString shown;
    platform::testing::setModalHandler([&shown](Form& w) {
        shown = static_cast<Form1_info1&>(w).txtWordProc.text();
        w.hide();
    });
    f.Label10.doClick();
    EXPECT_TRUE(shown.startsWith("GENERA SCHEDE AEREI")) << shown.left(40).toStdString();
}

TEST_F(AircraftEditor, MissingRoleTableLeavesNoHalfBuiltEditor) {
    testsupport::Errors errors;
    FormStart& start = form<FormStart>();
    deleteFile(CG().DataFolder + "FattAttaerei.txt");
    start.Image1.doClick();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("FattAttaerei.txt"));
    EXPECT_FALSE(isLoaded<Form_Aerei>());
    EXPECT_TRUE(isLoaded<FormStart>()) << "the start window stays";
}

// "Salva" greyed says why on the line under the commands, and the line clears when it comes back.
TEST_F(AircraftEditor, ASpeedOfNoAutonomyLeavesNoTAAndNothingToSave) {
    enterBf109();
    Form_Aerei& f = editor();
    ASSERT_EQ(f.Label32.caption(), "16");
    ASSERT_TRUE(f.Command2.enabled());
    EXPECT_EQ(f.Label51.caption(), "");
    f.Text4.doDblClick();
    f.Text4.doType("0");
    EXPECT_EQ(f.Label32.caption(), "") << "no TA of the speed before";
    EXPECT_FALSE(f.Command2.enabled());
    EXPECT_EQ(f.Label51.caption(), "\"Salva\" non attivo: senza velocità non c'è autonomia (TA). Inserire la "
                                   "VELOCITA' REALE IN KMH, maggiore di 0.");
    EXPECT_EQ(f.Label51.foreColor(), vbRed);
    EXPECT_EQ(testsupport::layoutAndTitleFaults(f), "");
    f.Text4.doDblClick();
    f.Text4.doType("570");
    EXPECT_EQ(f.Label32.caption(), "16");
    EXPECT_TRUE(f.Command2.enabled());
    EXPECT_EQ(f.Label51.caption(), "");

    // Saved, then held: the reason takes the saved card's place, and the next save shows it again.
    f.Command2.doClick();
    EXPECT_TRUE(f.Label51.caption().startsWith("Scheda salvata: "));
    testsupport::Errors errors;
    f.Text2.doDblClick();
    f.Text2.doType("99999");
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_EQ(f.Label51.caption(), "\"Salva\" non attivo: autonomia o velocità fuori scala. Autonomia fino a "
                                   "32767 km, velocità fino a 2184 km/h.");
    f.Text2.doDblClick();
    f.Text2.doType("660");
    f.Text3.doType("999999");
    ASSERT_EQ(errors.messages.size(), 2);
    EXPECT_EQ(f.Label51.caption(),
              "\"Salva\" non attivo: carico bellico fuori scala. Inserire un carico in kg minore.");
    f.Text3.doDblClick();
    EXPECT_TRUE(f.Command2.enabled());
    f.Command2.doClick();
    EXPECT_TRUE(f.Label51.caption().startsWith("Scheda salvata: "));
    EXPECT_EQ(f.Label51.foreColor(), 0x800000);

    // The name: said once the name box takes typing, not before.
    f.Command3.doClick();
    EXPECT_EQ(f.Label51.caption(), "");
    pickItem(f.Combo2, "GB");
    EXPECT_FALSE(f.Command2.enabled());
    EXPECT_EQ(f.Label51.caption(),
              "\"Salva\" non attivo: scrivere il NOME UFFICIALE / NOME IN CODICE, almeno 2 caratteri.");
    f.Text1.doType("Sea Gladiator");
    EXPECT_TRUE(f.Command2.enabled());
    EXPECT_EQ(f.Label51.caption(), "");
}

TEST_F(AircraftEditor, ACardNoCampaignCouldHoldIsNotSaved) {
    testsupport::Errors errors;
    enterBf109();
    Form_Aerei& f = editor();
    f.Text4.setText("1000");
    ASSERT_TRUE(f.Command2.enabled());
    f.Command2.doClick();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("velocità") && errors.messages[0].contains("VELOCITA") &&
                errors.messages[0].contains("tra -99 e 999"))
        << errors.messages[0].toStdString();
    EXPECT_FALSE(fileExists(cardPath("DE Germania", "Bf109E-4CPT1939.SNK")));
    f.Text4.setText("570");
    f.Command2.doClick();
    EXPECT_TRUE(fileExists(cardPath("DE Germania", "Bf109E-4CPT1939.SNK")));
}
