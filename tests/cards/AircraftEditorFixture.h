// The aircraft editor's tests: the shared window set-up, PDF printing, and a player's entries.
#pragma once

#include "CardsTestSupport.h"
#include "cards/Form_Aerei.h"
#include "cards/Form_Giudizio.h"
#include "platform/Files.h"
#include "platform/Printing.h"

#include <QTemporaryDir>

class AircraftEditor : public CardsWindowTest {
  protected:
    void SetUp() override {
        CardsWindowTest::SetUp();
        platform::Printer::forcePdf(true);
        platform::Printer::setPdfFolder(pdfs.path());
    }
    void TearDown() override {
        CardsWindowTest::TearDown();
        platform::printer().endDoc();
        platform::printer().setOrientation(1);
        platform::Printer::forcePdf(false);
        platform::Printer::setPdfFolder(QString());
    }

    // The editor, opened from the start window's aircraft picture when it is not open.
    Form_Aerei& editor() {
        if (!platform::isLoaded<Form_Aerei>()) platform::form<FormStart>().Image1.doClick();
        return platform::form<Form_Aerei>();
    }

    // Answers the questionnaire with these ten answers and confirms.
    void judge(const std::array<int, 10>& answers) {
        platform::testing::setModalHandler([answers](platform::Form& f) {
            auto& q = static_cast<Form_Giudizio&>(f);
            for (int k = 1; k <= 10; ++k) q.answerBox(k).doPick(answers[k - 1] - 1);
            q.Command2.doClick();
        });
        editor().Command1.doClick();
        platform::testing::setModalHandler(nullptr);
    }

    // The Bf 109 E-4 as a player enters it.
    void enterBf109() {
        Form_Aerei& f = editor();
        pickItem(f.Combo2, "DE");
        f.Text1.doType("Bf 109 E-4");
        pickItem(f.Combo1, "Messerschmitt");
        pickItem(f.Combo3, "CPT");
        pickItem(f.Combo11, "1939");
        f.Text2.doType("660");
        f.Text4.doType("570");
        f.Combo8.doPick(2);
        f.Combo9.doPick(2);
        f.Combo10.doPick(0);
        judge({12, 11, 14, 10, 6, 11, 9, 10, 8, 9});
    }

    // The dialog of "Apri File" answers with this path (empty: cancelled).
    void answerOpen(const QString& path) {
        platform::FileDialog::setTestHandler([path](const platform::FileDialog&, bool) { return path; });
    }

    QString cardPath(const QString& nation, const QString& file) {
        return platform::diskPath(CG().AircraftCardFolder + nation + u'\\' + file);
    }

    QTemporaryDir pdfs;
};
