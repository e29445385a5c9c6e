// A fresh program folder, fresh program-wide values and PDF printing for the aircraft editor's tests.
#pragma once

#include "cards/CardGlobals.h"
#include "cards/Form_Aerei.h"
#include "cards/Form_Giudizio.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Form.h"
#include "platform/Printing.h"
#include "tests/support/TestSupport.h"

#include <QTemporaryDir>
#include <QDir>
#include <gtest/gtest.h>
#include <memory>

class AircraftEditor : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::make_unique<testsupport::ProgramFolder>();
        // The editors start from a folder without the shipped starter cards.
        for (const char* cards : {"/Navi", "/Aerei"}) QDir(folder->path() + cards).removeRecursively();
        resetCardGlobals();
        auto& g = CG();
        g.AppFolder = platform::appFolder();
        g.DataFolder = g.AppFolder + QStringLiteral("\\Data\\");
        g.AircraftCardFolder = g.AppFolder + QStringLiteral("\\Aerei\\");
        platform::Printer::forcePdf(true);
        platform::Printer::setPdfFolder(pdfs.path());
    }
    void TearDown() override {
        platform::testing::resetForms();
        platform::testing::setModalHandler(nullptr);
        platform::FileDialog::setTestHandler(nullptr);
        platform::printer().endDoc();
        platform::printer().setOrientation(1);
        platform::Printer::forcePdf(false);
        platform::Printer::setPdfFolder(QString());
        folder.reset();
    }

    Form_Aerei& editor() { return platform::form<Form_Aerei>(); }

    int indexOf(const platform::ComboBox& c, const QString& startsWith) {
        for (int i = 0; i < c.listCount(); ++i)
            if (c.list(i).startsWith(startsWith)) return i;
        return -1;
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
        f.Combo2.doPick(indexOf(f.Combo2, "DE"));
        f.Text1.doType("Bf 109 E-4");
        f.Combo1.doPick(indexOf(f.Combo1, "Messerschmitt"));
        f.Combo3.doPick(1);
        f.Combo11.doPick(indexOf(f.Combo11, "1939"));
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

    std::unique_ptr<testsupport::ProgramFolder> folder;
    QTemporaryDir pdfs;
};
