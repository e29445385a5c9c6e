#include "FrmGame.h"

#include "FrmSetUpGen.h"
#include "game/main/FrmMain.h"

#include "common/DataFolder.h"
#include "common/GameSlots.h"
#include "common/Globals.h"
#include "common/ReferenceLists.h"
#include "platform/Dialogs.h"
#include "platform/Printing.h"

#include <QMainWindow>

using namespace platform;

namespace {
const long kInk = RGB(70, 52, 34);
const QString kFreeSlotLine = QStringLiteral("Prossimo Slot Libero N° ");
const QString kSlotsFull = QStringLiteral("SLOT PIENI \\ NUOVO GIOCO NON PERMESSO");
const QString kDamagedSlot = QStringLiteral("(danneggiato)");
} // namespace

QString StampantePredefinita() {
    return defaultPrinterName().trimmed();
}

void ImpostaStampante(QWidget* owner) {
    printSetupDialog(owner);
}

FrmGame::FrmGame() : FormWith("FrmGame") {
    setCaption("Torv Tutorial");
    layOut();

    for (int n = 1; n <= kSlots; ++n) {
        slotName(n).Click = [this, n] { slotNameClick(n); };
        slotName(n).MouseMove = [this, n](int, int, double, double) { slotNameMouseMove(n); };
    }
    Label19.Click = [this] { Label19_Click(); };
    Label20.Click = [this] { Label20_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    MnFileApri.Click = [this] { MnFileApri_Click(); };
    MnFileSetUpStampante.Click = [this] { MnFileSetUpStampante_Click(); };
    MnFileChiudi.Click = [this] { MnFileChiudi_Click(); };
    MnSetupGenerale.Click = [this] { MnSetupGenerale_Click(); };
}

void FrmGame::layOut() {
    setSize(9000, 6300);
    setFixedBorder(true);
    QImage background;
    if (background.load(diskPath(appFolder() + "\\ArchBmp\\Avvio.bmp"))) setPicture(background);
    setIcon(appFolder() + "\\Ico\\kvz.ico");

    Image1.move(180, 180, 720, 720);
    Image1.setStretch(true);
    Image1.loadPicture(appFolder() + "\\Ico\\kvz.ico");

    for (Label* l : {&Label5, &Label21, &Label22}) {
        l->setBackStyle(0);
        l->setForeColor(kInk);
    }
    Label5.move(240, 5640, 2100, 270);
    Label21.move(2400, 5640, 600, 270);
    Label21.setAlignment(2);
    Label21.setToolTipText("Next Active Game Index");
    Label22.move(3100, 5640, 5660, 270);
    Label22.setAlignment(1);
    Label22.setToolTipText("Default Printer");

    Frame1.move(750, 1740, 7500, 3150);
    Frame1.setVisible(false);
    const int nameLeft = 300, daysLeft = 3120, seasonLeft = 3900, yearLeft = 4680, rowsRight = 5520;
    const int firstRow = 480, rowStep = 450;
    for (int n = 1; n <= kSlots; ++n) {
        const int top = firstRow + (n - 1) * rowStep;
        slotName(n).move(nameLeft, top, 2700, 330);
        slotName(n).setBackStyle(0);
        slotName(n).setFontBold(true);
        slotName(n).setToolTipText("Nome assegnato al gioco in SetUp Generale");
        slotDays(n).move(daysLeft, top, 660, 330);
        slotDays(n).setToolTipText("Durata Campagna in Giorni");
        slotSeason(n).move(seasonLeft, top, 660, 330);
        slotYear(n).move(yearLeft, top, 780, 330);
        slotYear(n).setToolTipText("Anno Storico");
        for (Label* l : {&slotDays(n), &slotSeason(n), &slotYear(n)}) {
            l->setBackStyle(0);
            l->setAlignment(2);
        }
    }
    Line* lines[] = {&Line1, &Line2, &Line3, &Line4, &Line5};
    for (int i = 0; i < 5; ++i) {
        const int y = firstRow - 60 + i * rowStep;
        lines[i]->setPoints(nameLeft - 120, y, rowsRight, y);
        lines[i]->setBorderColor(vbGrayText);
    }
    Label18.move(nameLeft, firstRow + 4 * rowStep + 150, 5220, 300);
    Label18.setBackStyle(0);
    Label18.setToolTipText("Numero massimo di Giochi attivabili");

    for (Label* l : {&Label19, &Label20}) {
        l->setAlignment(2);
        l->setFontBold(true);
        l->setEnabled(false);
    }
    Label19.move(5640, firstRow, 1680, 330);
    Label19.setToolTipText("Apertura Gioco Selezionato ");
    Label20.move(5640, firstRow + rowStep + 60, 1680, 330);
    Label20.setForeColor(RGB(160, 0, 0));
    Label20.setToolTipText("ATTENZIONE IL GIOCO SELEZIONATO SARA' DEFINITIVAMENTE CANCELLATO!! ");
    Command1.move(5640, firstRow + 3 * rowStep, 1680, 390);
    Command1.setToolTipText("Esce senza fare nulla");
}

Label& FrmGame::slotLabel(int n, int field) {
    Label* const rows[kSlots][4] = {{&Label1, &Label6, &Label7, &Label8},
                                    {&Label2, &Label9, &Label10, &Label11},
                                    {&Label3, &Label12, &Label13, &Label14},
                                    {&Label4, &Label15, &Label16, &Label17}};
    return *rows[n - 1][field - 1];
}

void FrmGame::Form_Load() {
    const QString printer = StampantePredefinita();
    Label22.setCaption(printer.isEmpty() ? QStringLiteral("Nessuna stampante predefinita") : printer);
    buildPathGlobals();
    try {
        makeDataFolders();
        CaricaTabelleNomi();
    } catch (const FileError& e) {
        showError(e.message());
    }
    readAndShowSlots();
    showFreeSlot();
}

void FrmGame::Form_QueryUnload(int& cancel, int unloadMode) {
    // Closing the start window with its close box ends the program, as "Chiudi" does.
    if (unloadMode == vbFormControlMenu) {
        cancel = 1;
        MnFileChiudi_Click();
    }
}

void FrmGame::readAndShowSlots() {
    Globals& g = G();
    try {
        const QString rebuilt = rebuildSlotFileIfMissing();
        readGameSlots();
        slotsRead_ = true;
        if (!rebuilt.isEmpty()) MsgBox(rebuilt, vbInformation, QStringLiteral("Giochi Attivi"));
    } catch (const FileError& e) {
        slotsRead_ = false;
        showError(e.message());
    }
    for (int n = 1; n <= kSlots; ++n) {
        const Globals::GameSlot& s = g.GameSlots[n];
        slotName(n).setEnabled(slotsRead_);
        const bool damaged = slotsRead_ && isDamagedSlot(s);
        slotName(n).setCaption(!slotsRead_        ? QString()
                               : s.name.isEmpty() ? QStringLiteral("(vuoto)")
                               : damaged          ? kDamagedSlot
                                                  : s.name);
        slotName(n).setToolTipText(
            damaged ? QStringLiteral("Nome del gioco non valido nel file degli slot: il gioco "
                                     "non può essere aperto, lo slot può essere cancellato")
                    : QStringLiteral("Nome assegnato al gioco in SetUp Generale"));
        slotDays(n).setCaption(slotsRead_ ? QString::number(s.days) : QString());
        slotSeason(n).setCaption(slotsRead_ ? QString::number(s.season) : QString());
        slotYear(n).setCaption(slotsRead_ ? QString::number(s.year) : QString());
    }
    if (slotsRead_) {
        computeNextFreeSlot();
        Label21.setCaption(QString::number(g.NextFreeSlot));
    } else {
        Label21.setCaption(QString());
    }
}

void FrmGame::showFreeSlot() {
    const int next = G().NextFreeSlot;
    if (!slotsRead_) {
        // Nothing may be written over a slot file that could not be read.
        Label18.setCaption(QString());
        MnSetup.setEnabled(false);
    } else if (next < kSlots + 1) {
        Label18.setCaption(kFreeSlotLine + QString::number(next));
        MnSetup.setEnabled(true);
    } else {
        Label18.setCaption(kSlotsFull);
        MnSetup.setEnabled(false);
    }
}

void FrmGame::setCommandLabels(bool enabled) {
    for (Label* l : {&Label19, &Label20}) {
        l->setEnabled(enabled);
        l->setBorderStyle(enabled ? 1 : 0);
    }
}

void FrmGame::clearChoice() {
    setCommandLabels(false);
    for (int n = 1; n <= kSlots; ++n) slotName(n).setBackStyle(0);
    G().CampaignName.clear();
}

void FrmGame::slotNameClick(int n) {
    Globals& g = G();
    Label& picked = slotName(n);
    if (picked.caption() == kFreeSlotName) {
        clearChoice();
        g.SelectedSlot = 0;
        return;
    }
    for (int k = 1; k <= kSlots; ++k) slotName(k).setBackStyle(0);
    picked.setBackColor(vbGreen);
    picked.setBackStyle(1);
    setCommandLabels(true);
    // A name read from the slot file is taken only when it is a campaign name; a damaged slot can
    // be freed but not opened, and "APRI GIOCO" says so when it is clicked.
    const Globals::GameSlot& slot = g.GameSlots[n];
    g.CampaignName = isDamagedSlot(slot) ? slot.name : picked.caption().trimmed();
    g.SelectedSlot = n;
}

void FrmGame::slotNameMouseMove(int n) {
    Label& l = slotName(n);
    l.setMousePointer(l.caption().size() >= 3 ? 15 : 0);
}

void FrmGame::Label19_Click() {
    const int slot = G().SelectedSlot;
    if (slot < 1 || slot > kSlots) return;
    if (isDamagedSlot(G().GameSlots[slot])) {
        MsgBox(QStringLiteral("Il gioco dello slot %1 non può essere aperto: il nome scritto nel file degli "
                              "slot (\"%2\") non è un nome di gioco (solo lettere, almeno tre).\n"
                              "CANCELLA GIOCO libera lo slot.")
                   .arg(slot)
                   .arg(G().GameSlots[slot].name),
               vbExclamation, QStringLiteral("APRI GIOCO"));
        return;
    }
    apriGioco();
}

void FrmGame::Label20_Click() {
    if (MsgBox("VUOI DAVVERO CANCELLARE QUESTO GIOCO?", vbYesNo + vbQuestion,
               "ATTENZIONE SCELTA IRREVERSIBILE") == vbYes)
        KillGame();
    readAndShowSlots();
    Frame1.setVisible(false);
    showFreeSlot();
}

void FrmGame::KillGame() {
    Globals& g = G();
    const int slot = g.SelectedSlot;
    if (slot < 1 || slot > kSlots) return;
    g.GameSlots[slot] = {kFreeSlotName, 0, 0, 0};
    SalvaNomiGiochi();
    if (!deleteCampaignFiles(g.CampaignName))
        MsgBox(QStringLiteral("Il nome \"%1\" non è il nome di un gioco (solo lettere): "
                              "lo slot è stato liberato, nessun file è stato cancellato.")
                   .arg(g.CampaignName),
               vbExclamation, QStringLiteral("CANCELLA GIOCO"));
}

void FrmGame::Command1_Click() {
    Frame1.setVisible(false);
}

void FrmGame::MnFileApri_Click() {
    Frame1.setVisible(true);
    readAndShowSlots();
    clearChoice();
    showFreeSlot();
}

void FrmGame::MnFileSetUpStampante_Click() {
    ImpostaStampante(window());
}

void FrmGame::MnFileChiudi_Click() {
    unload<FrmGame>();
    endProgram();
}

void FrmGame::MnSetupGenerale_Click() {
    unloadForm(*this);
    platform::form<FrmSetUpGen>().showModal();
    // The start window comes back hidden, its slots read afresh with the new campaign in them;
    // the wizard's last window shows it.
    platform::form<FrmGame>();
    computeNextFreeSlot();
}
