// The aircraft editor's list side: opening cards into the list, showing one, deleting it, the
// reset, the four-card preview and the printed list of up to fifteen aircraft.
#include "Form_AP.h"
#include "Form_Aerei.h"

#include "CardGlobals.h"

#include "platform/Files.h"
#include "platform/Printing.h"

using namespace platform;
using aircraftcard::AircraftData;

namespace {
constexpr int kListFull = 16;
const QString kListFullLine = QStringLiteral("LISTA COMPLETA-AVVIARE LA STAMPA");
} // namespace

void Form_Aerei::setListFlagsActive(bool active) {
    // The border says whether they take clicks; a flag is drawn in its colours either way (the
    // clicks are refused by their handlers while no printed list is under way).
    for (Image* flag : {&Image2, &Image3}) {
        flag->setBorderStyle(active ? 1 : 0);
        flag->setEnabled(true);
    }
}

// Frames shown, list hidden and emptied, flags hidden, the list commands disabled.
void Form_Aerei::showEntryMode() {
    Frame1.setVisible(true);
    Frame2.setVisible(true);
    Frame3.setVisible(true);
    Image2.setVisible(false);
    Image3.setVisible(false);
    Command6.setEnabled(false);
    Command4.setEnabled(false);
    Command8.setEnabled(false);
    List1.clear();
    List2.clear();
    List1.setVisible(false);
}

// Reads a card into AircraftData and shows it; false (with the message shown) when it cannot be
// read, and then nothing changes.
bool Form_Aerei::showCard(const QString& path) {
    auto& g = CG();
    try {
        g.AircraftData = aircraftcard::readCard(path);
    } catch (const FileError& e) {
        showError(e.message()); // names the card and the line
        return false;
    }
    g.OpenedAircraftCardPath = path;
    AircraftDataToForm();
    Image2.setVisible(true);
    Image3.setVisible(true);
    g.NationCode = Label11.caption().left(2);
    setFlagPicture(Image2, g.NationCode);
    setFlagPicture(Image3, g.NationCode);
    return true;
}

// Every list and value emptied, the nations loaded again and the program's own flag shown.
void Form_Aerei::clearForNewAircraft() {
    Combo1.clear();
    Combo3.clear();
    ClearAircraftLists();
    Combo2AereiLoad();
    ResetAircraftForm();
    CG().AircraftData.zero();
    setFlagPicture(Image1, QStringLiteral("kvz"));
}

void Form_Aerei::Command5_Click() {
    Command4.setEnabled(false);
    // The window is cleared, so no card is shown that a delete could take.
    CG().OpenedAircraftCardPath.clear();
    Command6.setEnabled(false);
    Combo1.clear();
    Combo3.clear();
    ResetAircraftForm();
    ClearAircraftLists();
    Combo2AereiLoad();

    CommonDialog1.InitDir = CG().AircraftCardFolder;
    CommonDialog1.DialogTitle = QStringLiteral("Seleziona il Record Aereo da aprire");
    CommonDialog1.Filter = QStringLiteral("File Dati Aerei (*.SNK)|*.SNK");
    CommonDialog1.FileName.clear();
    if (!CommonDialog1.ShowOpen() || CommonDialog1.FileName.isEmpty()) return;
    const QString path = CommonDialog1.FileName;
    if (!showCard(path)) return;

    const AircraftData& d = CG().AircraftData;
    List1.addItem(d.nationCode() + QStringLiteral(" - ") + d[aircraftcard::Name] + QStringLiteral(" - ") +
                  d[aircraftcard::Type]);
    List2.addItem(path);
    Command4.setEnabled(true);
    if (CG().PrintLineCounter == 0) {
        Command8.setEnabled(true);
        Command6.setEnabled(true);
    } else {
        Label43.setCaption(QString::number(CG().PrintLineCounter - 1));
    }
    Frame1.setVisible(false);
    Frame2.setVisible(false);
    Frame3.setVisible(false);
    List1.setVisible(true);
}

void Form_Aerei::List1_Click() {
    const int i = List1.listIndex();
    // The "list complete" line has no card behind it.
    if (i < 0 || i >= List2.listCount()) return;
    if (showCard(List2.list(i)) && CG().PrintLineCounter == 0) Command6.setEnabled(true);
}

void Form_Aerei::Command4_Click() {
    FillAircraftPreview();
    platform::form<Form_AP>().show();
}

void Form_Aerei::Command3_Click() {
    showEntryMode();
    // A printed list under way stays open: the flags keep taking clicks once a card is shown again.
    setListFlagsActive(CG().PrintLineCounter > 0);
    Check1.setValue(0);
    Check2.setValue(0);
    Check3.setValue(0);
    Check4.setValue(0);
    Option1[1].setValue(true);
    Label46.setCaption(QStringLiteral("N"));
    clearForNewAircraft();
}

void Form_Aerei::Command6_Click() {
    // The card deleted is the one shown, which a click in the list may have changed.
    if (!CG().OpenedAircraftCardPath.isEmpty()) deleteFile(CG().OpenedAircraftCardPath);
    CG().OpenedAircraftCardPath.clear();
    const bool previewEnabled = Command4.enabled();
    showEntryMode();
    Command4.setEnabled(previewEnabled);
    setListFlagsActive(false);
    Combo1.clear();
    Combo3.clear();
    ResetAircraftForm();
}

void Form_Aerei::Command8_Click() {
    CG().PrintLineCounter = 1;
    setListFlagsActive(true);
    Label43.setCaption(QString::number(CG().PrintLineCounter - 1));
    StampaTitolo();
    Command8.setEnabled(false);
    Command6.setEnabled(false);
}

void Form_Aerei::Image2_Click() {
    auto& g = CG();
    if (g.PrintLineCounter <= 0) return;
    g.PrintLineCounter += 1;
    Label43.setCaption(QString::number(g.PrintLineCounter - 1));
    StampaLista();
    if (g.PrintLineCounter == kListFull) {
        Command5.setEnabled(false);
        List1.addItem(kListFullLine);
    }
}

void Form_Aerei::Image3_Click() {
    if (CG().PrintLineCounter <= 0) return;
    reportPdf(printer().endDoc(), QStringLiteral("Stampa Lista Aerei"));
    printer().setOrientation(1);
    CG().PrintLineCounter = 0;
    showEntryMode();
    setListFlagsActive(false);
    clearForNewAircraft();
}
