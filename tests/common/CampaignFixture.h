// A fresh state object over a temporary program folder holding an empty campaign folder (and, when
// asked, a copy of the shipped data), with the paths built as the start window builds them.
#pragma once

#include "common/DataFolder.h"
#include "common/Globals.h"
#include "tests/support/TestSupport.h"

class CampaignFolder {
  public:
    explicit CampaignFolder(const QString& name = QStringLiteral("Prova"), bool withShippedData = false)
        : folder_(withShippedData) {
        resetGlobals();
        buildPathGlobals();
        makeDataFolders();
        G().CampaignName = name;
        for (int i = 1; i <= 40; ++i) G().GameState[i] = QStringLiteral("0");
    }
    ~CampaignFolder() { resetGlobals(); }
    // A file of the campaign folder or of the data folder, by its name.
    QString game(const QString& name) const { return folder_.file("Data/giochi/" + name); }
    QString data(const QString& name) const { return folder_.file("Data/" + name); }

  private:
    testsupport::ProgramFolder folder_;
};
