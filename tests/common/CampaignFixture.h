// A fresh state object over a temporary program folder holding an empty campaign folder, with the
// paths set the way the start window builds them.
#pragma once

#include "common/Globals.h"
#include "tests/support/TestSupport.h"

class CampaignFolder {
  public:
    explicit CampaignFolder(const QString& name = QStringLiteral("Prova")) : folder_(false) {
        resetGlobals();
        Globals& g = G();
        g.AppPath = folder_.path();
        g.DataPath = g.AppPath + "\\Data";
        g.GamesPath = g.DataPath + "\\giochi\\";
        g.StackPrefix = g.AppPath + "\\Data\\giochi\\Stack";
        g.CampaignName = name;
        for (int i = 1; i <= 40; ++i) g.GameState[i] = QStringLiteral("0");
        platform::makeFolder(g.GamesPath);
    }
    ~CampaignFolder() { resetGlobals(); }
    // A file of the campaign folder or of the data folder, by its name.
    QString game(const QString& name) const { return folder_.file("Data/giochi/" + name); }
    QString data(const QString& name) const { return folder_.file("Data/" + name); }

  private:
    testsupport::ProgramFolder folder_;
};
