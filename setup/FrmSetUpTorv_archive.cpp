// The side archive handlers of the set-up window: inserting, listing, marking deleted, printing
// and destroying.
#include "FrmSetUpTorv.h"

#include "SetupGlobals.h"
#include "SideArchive.h"
#include "platform/Dialogs.h"
#include "platform/Printing.h"

using namespace platform;
using namespace sidearchive;

namespace {
const QString kPrintFont = QStringLiteral("DejaVu Sans Mono");
constexpr double kPrintPoints = 9;
constexpr double kLeftMargin = 720;
// Column starts of the printed lists, in characters of the print font.
const QList<int> kShipColumns = {0, 26, 52, 59, 67};
const QList<int> kAircraftHeaderColumns = {0, 34, 56, 67, 78};
const QList<int> kAircraftColumns = {0, 34, 56, 67, 71, 78};
} // namespace

QString FrmSetUpTorv::archivePath(int kind) const {
    return sidearchive::archivePath(SG().ArchiveFolder, SG().SideWord, kind);
}

void FrmSetUpTorv::printColumns(const QStringList& items, const QList<int>& columns) {
    Printer& p = printer();
    // A line that does not fit starts the next page here, so that it too stands at the margin.
    if (p.currentY + p.textHeight() > p.pageHeight()) p.newPage();
    const double ch = p.textWidth(QStringLiteral("0"));
    for (int i = 0; i < items.size() && i < columns.size(); ++i) {
        p.currentX = kLeftMargin + ch * columns[i];
        p.printText(items[i].trimmed());
    }
    p.printLine(QString());
}

// ---------------------------------------------------------------- inserting

bool FrmSetUpTorv::appendAllowed(int kind) {
    const QString path = archivePath(kind);
    const ArchiveCut cut = archiveCut(path, kind == kShips ? recordformat::ShipRecord::kLength
                                                           : recordformat::AircraftRecord::kLength);
    if (!cut.cut()) return true;
    return MsgBox(archiveCutQuestion(path, cut), vbYesNo + vbExclamation,
                  QStringLiteral("Archivio tagliato")) == vbYes;
}

void FrmSetUpTorv::List1_DblClick() {
    const int index = List1.listIndex();
    if (index < 0) return;
    const QString name = List1.list(index);
    if (!appendAllowed(kShips)) return;
    appendToArchive(archivePath(kShips), shipToInsert(SG().CardShipRecord, name));
    // The name leaves the class list only once it is in the archive.
    List2.addItem(name);
    List1.removeItem(index);
    ListShipArchive();
    showIdenticalShips();
}

void FrmSetUpTorv::List4_Click() {
    const int index = List4.listIndex();
    if (index < 0) return;
    const QString name = List4.list(index);
    if (!appendAllowed(kAircraft)) return;
    appendToArchive(archivePath(kAircraft), aircraftToInsert(SG().CardAircraftRecord, name));
    List5.addItem(name);
    ListAircraftArchive();
}

// ---------------------------------------------------------------- listing

namespace {
void fillList(ListBox& list, Label& count, Label& cutNotice, const ArchiveListing& listing) {
    for (const ArchiveEntry& e : listing.entries) {
        list.addItem(e.line);
        list.setItemData(list.newIndex(), e.record);
    }
    count.setCaption(QString::number(listing.live()));
    cutNotice.setCaption(archiveCutNotice({listing.count, listing.cutBytes}));
}

// Ends a print job that the listing fed, and says where a PDF went.
void endPrintJob() {
    SG().PrintFlag = 0;
    const QString pdf = printer().endDoc();
    if (!pdf.isEmpty())
        MsgBox(QStringLiteral("Lista stampata nel file:\n") + pdf, vbInformation,
               QStringLiteral("Stampa lista"));
}
} // namespace

void FrmSetUpTorv::ListShipArchive() {
    const QString path = archivePath(kShips);
    List3.clear();
    std::function<void(const recordformat::ShipRecord&)> print;
    if (SG().PrintFlag == 1)
        print = [this](const recordformat::ShipRecord& r) { printColumns(PrintShipLine(r), kShipColumns); };
    const ArchiveListing listing = listShipArchive(path, print);
    fillList(List3, Label6, Label23, listing);
    if (SG().PrintFlag == 1) endPrintJob();
}

void FrmSetUpTorv::ListAircraftArchive() {
    const QString path = archivePath(kAircraft);
    List3.clear();
    std::function<void(const recordformat::AircraftRecord&)> print;
    if (SG().PrintFlag == 1)
        print = [this](const recordformat::AircraftRecord& r) {
            printColumns(PrintAircraftLine(r), kAircraftColumns);
        };
    const ArchiveListing listing = listAircraftArchive(path, print);
    fillList(List3, Label8, Label23, listing);
    if (SG().PrintFlag == 1) endPrintJob();
    showIdenticalAircraft();
}

void FrmSetUpTorv::showIdenticalAircraft() {
    // Each click appends another record, as before; the panel says when one is there already.
    int same = 0;
    if (List4.listCount() > 0)
        same = identicalAircraftRecords(archivePath(kAircraft),
                                        aircraftToInsert(SG().CardAircraftRecord, List4.list(0)));
    Label21.setCaption(same == 0   ? QString()
                       : same == 1 ? QStringLiteral("Nell'archivio c'è già un record identico di questo "
                                                    "aereo: un click ne aggiunge un altro.")
                                   : QStringLiteral("Nell'archivio ci sono già %1 record identici di "
                                                    "questo aereo: un click ne aggiunge un altro.")
                                         .arg(same));
}

void FrmSetUpTorv::showIdenticalShips() {
    // A double-click appends another record, as before; the panel says when one is there already.
    QStringList same;
    if (List1.listCount() > 0) {
        const QString path = archivePath(kShips);
        for (int i = 0; i < List1.listCount(); ++i)
            if (identicalShipRecords(path, shipToInsert(SG().CardShipRecord, List1.list(i))) > 0)
                same << List1.list(i).trimmed();
    }
    Label22.setCaption(
        same.isEmpty() ? QString()
        : same.size() == 1
            ? QStringLiteral("Nell'archivio c'è già un record identico di %1: un doppio click "
                             "ne aggiunge un altro.")
                  .arg(same[0])
            : QStringLiteral("Nell'archivio ci sono già record identici di %1 navi della lista: "
                             "un doppio click ne aggiunge un altro.")
                  .arg(same.size()));
}

// ---------------------------------------------------------------- selecting and deleting

void FrmSetUpTorv::List3_Click() {
    const int index = List3.listIndex();
    if (index < 0) return;
    SG().SelectedRecord = List3.itemData(index);
    Label17.setCaption(QString::number(SG().SelectedRecord));
    if (SG().UnitKind == kShips)
        Command5.setEnabled(true);
    else
        Command6.setEnabled(true);
}

void FrmSetUpTorv::Label17_Click() {
    Label17.setCaption(QString());
}

void FrmSetUpTorv::Command5_Click() {
    deleteSelected(kShips);
}

void FrmSetUpTorv::Command6_Click() {
    deleteSelected(kAircraft);
}

void FrmSetUpTorv::deleteSelected(int kind) {
    const bool ships = kind == kShips;
    (ships ? markShipDeleted : markAircraftDeleted)(archivePath(kind), SG().SelectedRecord);
    List3.clear();
    if (ships)
        ListShipArchive();
    else
        ListAircraftArchive();
    (ships ? Command5 : Command6).setEnabled(false);
    ClearRecordLabels();
}

// ---------------------------------------------------------------- printing

void FrmSetUpTorv::Command7_Click() {
    const int kind = SG().UnitKind;
    const bool ships = kind == kShips && Label6.caption() != QLatin1String("0");
    const bool planes = kind == kAircraft && Label8.caption() != QLatin1String("0");
    if (!ships && !planes) return;

    SG().PrintFlag = 1;
    Printer& p = printer();
    try {
        p.setFont(kPrintFont, kPrintPoints);
        p.printLine(QString());
        p.setFont(kPrintFont, kPrintPoints + 2, true);
        p.currentX = kLeftMargin;
        p.printLine(Label9.caption());
        p.setFont(kPrintFont, kPrintPoints);
        p.printLine(QString());
        if (ships)
            printColumns(shipPrintHeader(), kShipColumns);
        else
            printColumns(aircraftPrintHeader(), kAircraftHeaderColumns);
        p.printLine(QString());
        List3.clear();
        if (ships)
            ListShipArchive();
        else
            ListAircraftArchive();
    } catch (...) {
        // A failed listing leaves no job open for the next one to print into.
        SG().PrintFlag = 0;
        p.endDoc();
        throw;
    }
}

// ---------------------------------------------------------------- destroying

void FrmSetUpTorv::Command9_Click() {
    Label19.setVisible(!Label19.visible());
}

void FrmSetUpTorv::Command8_Click() {
    Label18.setVisible(!Label18.visible());
}

void FrmSetUpTorv::Label19_DblClick() {
    destroyArchive(archivePath(kShips));
    Label19.setVisible(false);
    Command3_Click();
}

void FrmSetUpTorv::Label18_DblClick() {
    destroyArchive(archivePath(kAircraft));
    Label18.setVisible(false);
    Command3_Click();
}
