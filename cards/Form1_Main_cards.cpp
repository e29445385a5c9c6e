// Saving and opening ship cards and ship-name lists, deleting a card, resetting the editor, and
// printing text cards.
#include "CardGlobals.h"
#include "Form1_Main.h"
#include "Form_BP.h"
#include "ShipCardPrint.h"

#include "cards/format/ArchiveRecords.h"

#include "platform/Files.h"
#include "platform/Printing.h"

using namespace platform;

void Form1_Main::clearForRecord() {
    ++quiet_;
    ResetShipFlags();
    ClearMainLabels();
    ClearMainTexts();
    ClearMainCombos();
    ResetMainCaptions();
    ShowComboPrompts();
    // The data year stays on show, so the next record can be rated at once.
    ShowDataYearCaption();
    --quiet_;
    unload<Form_BP>();
    ratingAsked_ = false;
    refused_ = RatingRefusal::None;
    saveLine_.clear();
}

void Form1_Main::Command1_Click() {
    CardGlobals& g = CG();
    Rosso();
    if (Label35.caption().isEmpty()) return;
    if (Label1.caption().trimmed().size() < 2) {
        MsgBox(QStringLiteral("Scegliere la Tipologia Nave prima di salvare il Record"), vbExclamation,
               QStringLiteral("Tipologia Nave mancante"));
        return;
    }
    // Only a card that a campaign can hold is saved.
    checkedShipArchiveRecord(g.ShipData);
    const QString className = Text1.text().trimmed();
    g.NationFolder = g.ShipCardFolder + Label2.caption();
    EnsureFolder(g.NationFolder);
    g.ShipCardPath =
        g.NationFolder + u'\\' + shipCardFileName(className, Label1.caption(), g.ShipData[kCardDataYear]);
    writeShipCard(g.ShipCardPath, g.ShipData);

    // A list already there keeps its names: saving a class again (after a delete, to change it)
    // must not lose the ships entered for it.
    g.ShipNameListPath = g.NationFolder + u'\\' + shipNameListFileName(className, g.ShipData[kCardDataYear]);
    List1.clear();
    if (fileExists(g.ShipNameListPath)) {
        for (const QString& name : readShipNameList(g.ShipNameListPath)) List1.addItem(name);
    } else {
        startShipNameList(g.ShipNameListPath, className);
        List1.addItem(className);
    }
    Frame8.setCaption(QStringLiteral("CLASSE ") + className);
    Label60.setCaption(className);
    g.CardStored = 1;
    Command5.setEnabled(false);
    ratingAsked_ = false;
    saveLine_.saved(g.ShipCardPath);
}

void Form1_Main::Command22_Click() {
    const QString name = Text13.text().trimmed();
    appendShipName(CG().ShipNameListPath, name);
    List1.addItem(Text13.text());
    Text13.setText(QString());
}

void Form1_Main::Text13_Change() {
    const int n = Text13.text().size();
    if (n >= 3 && CG().CardStored == 1)
        Command22.setEnabled(true);
    else if (n < 2)
        Command22.setEnabled(false);
}

void Form1_Main::List1_Click() {
    Label60.setCaption(List1.text());
}

void Form1_Main::LoadList() {
    CardGlobals& g = CG();
    const ShipValues& d = g.ShipData;
    g.ShipNameListPath = g.ShipCardFolder + d[kCardNation].trimmed() + u'\\' +
                         shipNameListFileName(d[kCardClass], d[kCardDataYear]);
    List1.clear();
    try {
        for (const QString& name : readShipNameList(g.ShipNameListPath)) List1.addItem(name);
    } catch (const FileError&) {
        return; // a class without names yet: the first name added starts its list
    }
    Frame8.setCaption(QStringLiteral("CLASSE ") + Text1.text().trimmed());
}

void Form1_Main::Command4_Click() {
    CardGlobals& g = CG();
    clearForRecord();
    // Nothing is shown now: delete must not point at a card opened before.
    g.CardStored = 0;
    g.CardOpened = 0;
    g.OpenedCardPath.clear();
    Command5.setEnabled(false);
    setEntryEnabled(true);
    Rosso();

    // The cleared editor shows the program's own flag, whatever the card opened next.
    showFlag(QStringLiteral("kvz"));
    CommonDialog1.InitDir = g.ShipCardFolder;
    CommonDialog1.DialogTitle = QStringLiteral("Seleziona il Record Nave da aprire");
    CommonDialog1.Filter = QStringLiteral("File Dati Nave (*.sns)|*.sns");
    CommonDialog1.FileName.clear();
    if (!CommonDialog1.ShowOpen() || CommonDialog1.FileName.isEmpty()) return;
    // A missing or short card is named in a message and leaves the window cleared.
    const ShipValues values = readShipCard(CommonDialog1.FileName);
    g.ShipData = values;
    ++quiet_;
    ShipDataToForm();
    LoadList();
    --quiet_;
    g.CardStored = 1;
    g.CardOpened = 1;
    g.OpenedCardPath = CommonDialog1.FileName;
    Command1.setEnabled(false);
    setEntryEnabled(false);
}

void Form1_Main::Image3_Click() {
    if (CG().CardStored == 1 && CG().CardOpened == 1) Command5.setEnabled(true);
}

void Form1_Main::Command5_Click() {
    CardGlobals& g = CG();
    if (g.CardOpened != 1 || g.OpenedCardPath.isEmpty()) return;
    deleteFile(g.OpenedCardPath);
    g.CardOpened = 0;
    g.OpenedCardPath.clear();
    Rosso();
    clearForRecord();
    g.CardStored = 0;
    Command5.setEnabled(false);
    showFlag(QStringLiteral("kvz"));
}

void Form1_Main::Command2_Click() {
    CardGlobals& g = CG();
    clearForRecord();
    Command5.setEnabled(false);
    g.CardStored = 0;
    g.CardOpened = 0;
    g.OpenedCardPath.clear();
    setEntryEnabled(true);
    showFlag(QStringLiteral("kvz"));
    Rosso();
}

// ---------------------------------------------------------------- printing

void Form1_Main::Image2_Click() {
    CardGlobals& g = CG();
    if (g.ShipData[kCardType].size() < 3) return; // nothing rated or opened yet
    // A stored card prints as stored; otherwise what the window shows. Either way the class's
    // record keeps its own values (the "00" fills go to the printout only).
    const ShipValues shown = g.CardStored == 1 ? g.ShipData : formValues();
    const QStringList labels = readShipPrintLabels(g.DataFolder);
    Printer& p = printer();
    if (!p.jobOpen()) p.setFont(QStringLiteral("DejaVu Sans"), 8);
    printLines(p, shipCardPrintLines(shipValuesForPrint(shown), labels));
}

void Form1_Main::Label2_Click() {
    Printer& p = printer();
    if (!p.jobOpen()) return;
    reportPdf(p.endDoc(), QStringLiteral("Stampa Schede Navi"));
}

void Form1_Main::Command12_Click() {
    if (!CG().ShipData[kCardClass].isEmpty() && !Label35.caption().isEmpty())
        platform::form<Form_BP>().showModal();
}
