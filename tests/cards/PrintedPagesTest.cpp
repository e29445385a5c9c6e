// Every card and list the unit-card generator prints, page by page, for every shipped card and the
// widest ones: no two texts overlap or run into each other, and the page cuts nothing.
#include "AircraftEditorFixture.h"
#include "WidestCards.h"
#include "cards/Form_AP.h"
#include "cards/Form_BP.h"
#include "tests/support/PageCheck.h"

#include <QDirIterator>

using namespace platform;

namespace {
QStringList shippedCards(const QString& folder, const QString& pattern) {
    QStringList out;
    QDirIterator it(QStringLiteral(SHIPPED_DATA_DIR) + folder, {pattern}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) out << it.next();
    out.sort();
    return out;
}
} // namespace

TEST_F(AircraftEditor, PrintedCardsAndListsReadWhole) {
    testsupport::PrintedPages pages;
    testsupport::MessageBoxes boxes;

    // The text cards of every ship class, five to a sheet, and the sheet of the widest card.
    Form1_Main& f = openEditor();
    QStringList ships = shippedCards("/Navi", "*.sns");
    ships << widest::shipCard(f, folder->path());
    for (const QString& card : ships) {
        FileDialog::setTestHandler([card](const FileDialog&, bool) { return card; });
        f.Command4.doClick();
        f.Image2.doClick();
    }
    f.Label2.doClick();
    platform::testing::setModalHandler([](Form& sheet) { dynamic_cast<Form_BP&>(sheet).Image1.doClick(); });
    f.Command12.doClick();
    platform::testing::setModalHandler(nullptr);

    // The aircraft lists, fifteen aircraft to a list (the editor takes one list a loading), and the
    // four cards of the widest aircraft.
    QStringList planes = shippedCards("/Aerei", "*.SNK");
    planes << widest::aircraftCard(editor(), folder->path());
    for (int first = 0; first < planes.size(); first += 15) {
        Form_Aerei& a = editor();
        for (int i = first; i < std::min<int>(first + 15, planes.size()); ++i) {
            answerOpen(planes[i]);
            a.Command5.doClick();
            if (i == first) a.Command8.doClick();
            a.Image2.doClick();
        }
        a.Image3.doClick();
        unloadForm(a, vbAppWindows);
    }
    answerOpen(planes.last());
    editor().Command5.doClick();
    editor().Command4.doClick();
    form<Form_AP>().flag(1).doClick();

    const int textCardSheets = 1, sheetPrints = 1, lists = int(planes.size() + 14) / 15, cardPrints = 1;
    EXPECT_EQ(pages.jobs, textCardSheets + sheetPrints + lists + cardPrints);
    EXPECT_EQ(pages.faults(), "");
}
