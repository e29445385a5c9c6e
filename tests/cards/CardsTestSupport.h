// Shared set-up of the Torvcard window tests: a program folder copied from the shipped one,
// fresh program-wide values, and the ship editor opened from the start window.
#pragma once

#include "cards/CardGlobals.h"
#include "cards/Form1_Main.h"
#include "cards/FormStart.h"
#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>
#include <memory>

// Picks the item of a combo box whose text begins with the given text.
inline void pickItem(platform::ComboBox& c, const QString& start) {
    for (int i = 0; i < c.listCount(); ++i)
        if (c.list(i).startsWith(start)) {
            c.doPick(i);
            return;
        }
    ADD_FAILURE() << "no item " << start.toStdString() << " in " << c.name().toStdString();
}

class CardsWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetCardGlobals();
        folder = std::make_unique<testsupport::ProgramFolder>();
        // The editors start from a folder without the shipped starter cards.
        for (const char* cards : {"/Navi", "/Aerei"}) QDir(folder->path() + cards).removeRecursively();
    }
    void TearDown() override {
        platform::testing::setModalHandler(nullptr);
        platform::testing::setInputBoxHandler(nullptr);
        platform::FileDialog::setTestHandler(nullptr);
        {
            testsupport::MessageBoxes yes({platform::vbYes, platform::vbYes});
            platform::testing::resetForms();
        }
        folder.reset();
    }
    // The start window, then its ship picture.
    Form1_Main& openEditor() {
        platform::form<FormStart>().Image2.doClick();
        return platform::form<Form1_Main>();
    }
    static bool isRed(const Form1_Main& f) { return f.Label35.backColor() == platform::vbRed; }
    static bool isGreen(const Form1_Main& f) { return f.Label35.backColor() == platform::vbGreen; }

    std::unique_ptr<testsupport::ProgramFolder> folder;
};

// Enters the Littorio of 1940 in the editor as a player would (armour through the prompts and
// the turret and protection windows).
void enterLittorio(Form1_Main& f);
