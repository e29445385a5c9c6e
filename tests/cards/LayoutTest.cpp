// The editors and their sheets read whole at the default font with every shipped card in them.
#include "AircraftEditorFixture.h"
#include "WidestCards.h"
#include "cards/AircraftRating.h"
#include "cards/Form_AP.h"
#include "cards/Form_BP.h"
#include "tests/support/LayoutCheck.h"

using namespace platform;

TEST_F(AircraftEditor, ShipCardsAndTheirSheetsShowWhole) {
    Form1_Main& f = openEditor();
    EXPECT_EQ(testsupport::layoutAndTitleFaults(f), "") << "empty";
    for (const QString& card : widest::shippedCards("/Navi", "*.sns")) {
        FileDialog::setTestHandler([card](const FileDialog&, bool) { return card; });
        f.Command4.doClick();
        EXPECT_EQ(testsupport::layoutAndTitleFaults(f), "") << card.toStdString();
        f.List1.doPick(f.List1.listCount() - 1);
        platform::testing::setModalHandler([&](Form& sheet) {
            EXPECT_EQ(testsupport::layoutAndTitleFaults(sheet), "") << card.toStdString();
        });
        f.Command12.doClick();
        platform::testing::setModalHandler(nullptr);
    }
}

TEST_F(AircraftEditor, AircraftCardsAndTheirModulesShowWhole) {
    Form_Aerei& f = editor();
    for (int i = 0; i < f.Combo2.listCount(); ++i) {
        f.Combo2.doPick(i);
        EXPECT_EQ(testsupport::layoutAndTitleFaults(f), "") << f.Combo2.text().toStdString();
    }
    for (const QString& card : widest::shippedCards("/Aerei", "*.SNK")) {
        answerOpen(card);
        f.Command3.doClick();
        f.Command5.doClick();
        EXPECT_EQ(testsupport::layoutAndTitleFaults(f), "") << card.toStdString();
        f.Command4.doClick();
        EXPECT_EQ(testsupport::layoutAndTitleFaults(form<Form_AP>()), "") << card.toStdString();
    }
}

TEST_F(AircraftEditor, StartProtectionHelpAndQuestionnaireWindowsShowWhole) {
    EXPECT_EQ(testsupport::layoutAndTitleFaults(form<FormStart>()), "");
    Form1_Main& f = openEditor();
    pickItem(f.Combo1, "PA"); // a carrier: every protection can be entered
    QStringList shown;
    platform::testing::setModalHandler([&](Form& w) {
        shown << w.name();
        EXPECT_EQ(testsupport::layoutAndTitleFaults(w), "") << w.name().toStdString();
        EXPECT_EQ(testsupport::tabFaults(w), "") << w.name().toStdString();
        w.hide();
    });
    // The turret windows twice: the second time they open as the first.
    for (Control* opener : {static_cast<Control*>(&f.Command9), static_cast<Control*>(&f.Command10),
                            static_cast<Control*>(&f.Command9), static_cast<Control*>(&f.Command10),
                            static_cast<Control*>(&f.Command11), static_cast<Control*>(&f.Label1)})
        opener->doClick();
    editor().Command1.doClick();
    EXPECT_EQ(shown, (QStringList{"Form_TP", "Form_TS", "Form_TP", "Form_TS", "Form_PS", "Form1_info1",
                                  "Form_Giudizio"}));
    EXPECT_EQ(testsupport::tabFaults(f), "");
    EXPECT_EQ(testsupport::tabFaults(editor()), "");
    EXPECT_EQ(testsupport::tabFaults(form<FormStart>()), "");
}

TEST_F(AircraftEditor, SheetsOfTheWidestCardsShowWhole) {
    Form1_Main& f = openEditor();
    const QString ship = widest::shipCard(f, folder->path());
    FileDialog::setTestHandler([ship](const FileDialog&, bool) { return ship; });
    f.Command4.doClick();
    f.List1.doPick(0);
    int sheets = 0;
    platform::testing::setModalHandler([&](Form& sheet) {
        ++sheets;
        EXPECT_EQ(testsupport::layoutAndTitleFaults(sheet), "");
        EXPECT_EQ(testsupport::tabFaults(sheet), "");
    });
    f.Command12.doClick();
    EXPECT_EQ(sheets, 1);

    Form_Aerei& a = editor();
    answerOpen(widest::aircraftCard(a, folder->path()));
    a.Command3.doClick();
    a.Command5.doClick();
    EXPECT_EQ(testsupport::layoutAndTitleFaults(a), "");
    a.Command4.doClick();
    EXPECT_EQ(testsupport::layoutAndTitleFaults(form<Form_AP>()), "");
    EXPECT_EQ(testsupport::tabFaults(form<Form_AP>()), "");
}

// The line under each editor's commands, at its longest: every reason "Salva" is grey.
TEST_F(AircraftEditor, WhySaveIsGreyShowsWhole) {
    Form1_Main& ship = openEditor();
    QStringList said;
    ShipSaveHold hold{.asked = true, .stored = true};
    for (;;) {
        const QString why = shipSaveState(hold).why;
        if (why.isEmpty()) break;
        said << why;
        ship.Label65.setCaption(why);
        EXPECT_EQ(testsupport::layoutAndTitleFaults(ship), "") << why.toStdString();
        // The next reason: the one shown taken away.
        if (hold.stored)
            hold = {.asked = true, .missing = MissingEntry::Displacement};
        else if (hold.missing == MissingEntry::Displacement)
            hold.missing = MissingEntry::Speed;
        else if (hold.missing == MissingEntry::Speed)
            hold.missing = MissingEntry::LaunchYear;
        else if (hold.missing == MissingEntry::LaunchYear)
            hold = {.asked = true, .refused = RatingRefusal::OutOfScale};
        else if (hold.refused == RatingRefusal::OutOfScale)
            hold.refused = RatingRefusal::MissingTable;
        else if (hold.refused == RatingRefusal::MissingTable)
            hold.refused = RatingRefusal::None;
        else if (hold.nameLength < 2)
            hold.nameLength = 2;
        else
            hold.nation = true;
    }
    EXPECT_EQ(said.size(), 8);
    ship.Command3.doClick();

    Form_Aerei& f = editor();
    pickItem(f.Combo2, "IT");
    for (const aircraftrating::SaveHold& hold : {aircraftrating::SaveHold{0, true, true, false, false},
                                                 aircraftrating::SaveHold{5, true, false, false, true},
                                                 aircraftrating::SaveHold{5, true, false, true, false},
                                                 aircraftrating::SaveHold{1, true, false, false, false}}) {
        const QString why = aircraftrating::saveState(hold).why;
        ASSERT_FALSE(why.isEmpty());
        f.Label51.setCaption(why);
        EXPECT_EQ(testsupport::layoutAndTitleFaults(f), "") << why.toStdString();
    }
}
