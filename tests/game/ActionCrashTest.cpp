// A program stopped at any step by which a player's action changes the disk, by a kill or by a
// power loss, leaves a campaign that opens as it was before the handler that was running or as
// that handler left it: never half of one. Every saving action, every move, every step: a test
// for each group of actions (all of them in one take long on one processor).
#include "CrashSweep.h"
#include "SavingActions.h"

#include "tests/game/main/TestCampaign.h"

#include <gtest/gtest.h>
#include <list>

namespace {

using testsupport::kSanitized;

// Gathers the actions' runs as subjects of the sweep, named by their group and their place in it:
// the moves swept are those from the action's click on (the moves that set it up are swept as
// actions of their own).
class Gatherer : public savingactions::Sweeper {
  public:
    explicit Gatherer(const char* group) : group_(group) {}
    void sweep(const std::function<void()>& make, const savingactions::Run& run) override {
        const savingactions::Moments nothing{[] { crashsweep::inAction() = true; },
                                             [] { crashsweep::inAction() = false; }, [](const QString&) {}};
        subjects.push_back({QStringLiteral("%1 %2").arg(QLatin1String(group_)).arg(++count_), make,
                            [run, nothing] { run(nothing); }, [] { testcampaign::choose(); }});
    }
    const testsupport::ProgramFolder& programFolder() const override {
        return *crashsweep::programFolderInUse();
    }
    std::vector<crashsweep::Subject> subjects;

  private:
    const char* group_;
    int count_ = 0;
};

class ActionCrash : public crashsweep::Fixture, public ::testing::WithParamInterface<size_t> {};

} // namespace

TEST_P(ActionCrash, AStopAtAnyStepOfAnyMoveLeavesTheCampaignBeforeOrAfterIt) {
    // The gatherers live as long as the sweep: the runs ask them for the program folder. Those of
    // the groups before give the place of this group's first action in the whole sweep.
    const auto& groups = savingactions::all();
    std::list<Gatherer> gatherers;
    int place = 0, all = 0;
    for (size_t g = 0; g < groups.size(); ++g) {
        groups[g].second(gatherers.emplace_back(groups[g].first));
        if (g < GetParam()) place += int(gatherers.back().subjects.size());
        all += int(gatherers.back().subjects.size());
    }
    EXPECT_GE(all, 30);
    std::vector<crashsweep::Subject> subjects =
        std::move(std::next(gatherers.begin(), long(GetParam()))->subjects);
    crashsweep::programFolderInUse() = folder.get();
    crashsweep::Sweep sweep(std::move(subjects), 4, 20261209u, 100, kSanitized ? 4 : 1, place);
    const crashsweep::Counts counts = sweep.run();
    EXPECT_GE(counts.subjects, 1);
    EXPECT_GE(counts.moves, counts.subjects);
    EXPECT_EQ(counts.crashes, counts.powerLosses);
    // Each move is also cut by a power loss once its handler has returned.
    EXPECT_EQ(counts.returnedLosses, counts.moves);
    RecordProperty("actions", counts.subjects);
    RecordProperty("moves", counts.moves);
    RecordProperty("operations", std::to_string(counts.operations));
    RecordProperty("crashes", std::to_string(counts.crashes));
    RecordProperty("power_losses", std::to_string(counts.powerLosses));
    RecordProperty("power_losses_after_return", std::to_string(counts.returnedLosses));
    std::cout << groups[GetParam()].first << ": actions " << counts.subjects << ", moves " << counts.moves
              << ", operations " << counts.operations << ", crashes " << counts.crashes << ", power losses "
              << counts.powerLosses << ", after return " << counts.returnedLosses << "\n";
}

INSTANTIATE_TEST_SUITE_P(EverySavingAction, ActionCrash,
                         ::testing::Range(size_t(0), savingactions::all().size()),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             return std::string(savingactions::all().at(info.param).first);
                         });
