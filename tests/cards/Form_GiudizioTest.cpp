#include "AircraftEditorFixture.h"

using namespace platform;

namespace {
// Drives one showing of the questionnaire.
void drive(const std::function<void(Form_Giudizio&)>& steps) {
    platform::testing::setModalHandler([steps](Form& f) { steps(static_cast<Form_Giudizio&>(f)); });
}
} // namespace

TEST_F(AircraftEditor, JudgementAverageAndConfirmation) {
    Form_Aerei& f = editor();
    drive([](Form_Giudizio& q) {
        EXPECT_EQ(q.caption(), "Giudizio Globale");
        EXPECT_EQ(q.answerBox(4).listCount(), 14);
        EXPECT_FALSE(q.Command2.enabled());
        q.answerBox(1).doPick(8);
        EXPECT_EQ(q.Label13.caption(), " 0");
        EXPECT_FALSE(q.Command2.enabled()) << "9 alone averages 0";
        q.answerBox(1).doPick(9);
        EXPECT_EQ(q.Label13.caption(), " 1");
        EXPECT_TRUE(q.Command2.enabled());
        for (int k = 1; k <= 5; ++k) q.answerBox(k).doPick(13);
        for (int k = 6; k <= 10; ++k) q.answerBox(k).doPick(0);
        EXPECT_EQ(q.Label13.caption(), " 7") << "75 / 10";
        q.Command2.doClick();
    });
    f.Command1.doClick();
    EXPECT_EQ(f.Label10.caption(), "7");
    EXPECT_EQ(f.Label17.caption(), "7");
    EXPECT_EQ(f.Label33.caption(), "7");
    EXPECT_EQ(f.Label42.caption(), "39") << "production answered 14";
    EXPECT_EQ(f.Label10.backColor(), 49152);
    EXPECT_EQ(CG().JudgementAverage, 7) << "restored from the label by the editor";
}

TEST_F(AircraftEditor, PresetsAndTheLastJudgement) {
    Form_Aerei& f = editor();
    drive([](Form_Giudizio& q) {
        q.Command4.doClick();
        EXPECT_EQ(q.answerBox(1).text(), "0") << "nothing confirmed yet in this run";
        EXPECT_FALSE(q.Command2.enabled());
        q.Command3.doClick();
        q.Command2.doClick();
    });
    f.Command1.doClick();
    EXPECT_EQ(f.Label10.caption(), "7");
    EXPECT_EQ(f.Label42.caption(), "9");
    drive([](Form_Giudizio& q) {
        q.Command5.doClick();
        EXPECT_EQ(q.answerBox(10).text(), "12");
        q.Command2.doClick();
    });
    f.Command1.doClick();
    EXPECT_EQ(f.Label10.caption(), "12");
    EXPECT_EQ(f.Label42.caption(), "28");
    drive([](Form_Giudizio& q) {
        q.Command3.doClick();
        q.answerBox(3).doPick(13);
        EXPECT_EQ(q.Label13.caption(), " 7") << "77 / 10";
        q.Command4.doClick();
        EXPECT_EQ(q.answerBox(3).text(), "12");
        EXPECT_EQ(q.Label13.caption(), " 12");
        q.Command2.doClick();
    });
    f.Command1.doClick();
    EXPECT_EQ(f.Label42.caption(), "28");
}

TEST_F(AircraftEditor, CancelAndCloseBoxKeepTheAvailability) {
    Form_Aerei& f = editor();
    drive([](Form_Giudizio& q) {
        q.Command5.doClick();
        q.Command2.doClick();
    });
    f.Command1.doClick();
    ASSERT_EQ(f.Label42.caption(), "28");
    drive([](Form_Giudizio& q) {
        q.Command3.doClick();
        q.Command1.doClick();
    });
    f.Command1.doClick();
    EXPECT_EQ(f.Label10.caption(), "0") << "Annulla voids the judgement";
    EXPECT_EQ(f.Label17.caption(), "0");
    EXPECT_EQ(f.Label10.backColor(), vbRed);
    EXPECT_EQ(f.Label42.caption(), "28") << "but keeps the availability";
    // The close box leaves with the average of this showing.
    drive([](Form_Giudizio& q) {
        q.Command3.doClick();
        unloadForm(q, vbFormControlMenu);
    });
    f.Command1.doClick();
    EXPECT_EQ(f.Label10.caption(), "7");
    EXPECT_EQ(f.Label42.caption(), "28");
}

TEST_F(AircraftEditor, AProductionAnswerNotInTheListIsRefused) {
    testsupport::Errors errors;
    Form_Aerei& f = editor();
    drive([](Form_Giudizio& q) {
        q.Command5.doClick();
        q.Command2.doClick();
    });
    f.Command1.doClick();
    ASSERT_EQ(f.Label42.caption(), "28");
    drive([](Form_Giudizio& q) {
        q.Command3.doClick();
        q.answerBox(3).setText("abc");
        q.Command2.doClick();
        EXPECT_TRUE(isLoaded<Form_Giudizio>()) << "the questionnaire stays open";
        q.Command1.doClick();
    });
    f.Command1.doClick();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("domanda 3") && errors.messages[0].contains("tra 1 e 14"))
        << errors.messages[0].toStdString();
    EXPECT_EQ(f.Label42.caption(), "28") << "no availability of 0 from a text";
}
