#include "FormDanniNavi.h"

#include "common/DataFolder.h"
#include "common/Globals.h"
#include "common/RecordFiles.h"
#include "game/points/Supervisor.h"
#include "platform/Dialogs.h"

using namespace platform;
using namespace damageentry;

namespace {

namespace F = recordformat::ship;

constexpr int kRowTop = 840;
constexpr int kRowHeight = 375;
constexpr int kCaptionLeft = 3840;
constexpr int kDefaultLeft = 6780;
constexpr int kValueLeft = 7500;
constexpr int kEntryLeft = 8220;
constexpr int kValueWidth = 660;

} // namespace

FormDanniNavi::FormDanniNavi() : FormWith(QStringLiteral("FormDanniNavi")) {
    setCaption(QStringLiteral("Danni Navi post-Combat"));
    setSize(9000, 6420);
    setFixedBorder(true);

    List1.move(120, 120, 3600, 4845);
    Label6.move(kCaptionLeft, 120, 2820, 285);
    Label6.setBorderStyle(1);
    Label5.move(kDefaultLeft, 120, 2100, 285);
    Label5.setBorderStyle(1);
    Label5.setAlignment(2);
    for (Label* l : {&Label7, &Label8, &Label9}) l->setAlignment(2);
    Label7.move(kDefaultLeft, 540, kValueWidth, 255);
    Label8.move(kValueLeft, 540, kValueWidth, 255);
    Label9.move(kEntryLeft, 540, kValueWidth, 255);

    for (int i = 0; i < kRows; ++i) {
        const int top = kRowTop + i * kRowHeight;
        Label1.add(i, *this, "Label1", QString::fromUtf8(kRowFields[i].caption))
            .move(kCaptionLeft, top + 15, 2880, 255);
        for (ControlArray<Label>* column : {&Label2, &Label3}) {
            Label& l = column->add(i, *this, column == &Label2 ? "Label2" : "Label3");
            l.move(column == &Label2 ? kDefaultLeft : kValueLeft, top, kValueWidth, 285);
            l.setBorderStyle(1);
            l.setAlignment(2);
        }
        TextBox& t = Text1.add(i, *this, "Text1");
        t.move(kEntryLeft, top - 15, kValueWidth, 315);
        t.setMaxLength(kRowFields[i].entryLength);
        t.setAlignment(2);
        t.Change = [this, i] { Text1_Change(i); };
        t.KeyPress = [this, i](int& key) { Text1_KeyPress(i, key); };
        t.DblClick = [this, i] { Text1_DblClick(i); };
    }
    Label1[kAircraftRow].setToolTipText(
        QStringLiteral("Inserire solo le perdite subita dai ricognitori della NAVI non gli aerei della linea "
                       "di volo delle Portaerei"));
    Text1[kAircraftRow].setToolTipText(
        QStringLiteral("Non modificare i valore degli aerei delle portaerei. Viene fatto in automatico "));
    Text1[kSinkingRow].setToolTipText(QStringLiteral("1=la nave è in AFFONDAMENTO"));

    Label4.move(120, 5085, 8760, 720);
    Label4.setWordWrap(true);
    Label4.setCaption(QStringLiteral(
        "Inserire i danni causati dal combattimeno anche se sono valori superiori al DEFAULT. Il programma "
        "li "
        "aggiusterà in  automatico. ATTENZIONE prima di confermare verificare bene i numeri perchè non è "
        "possibile modificarli dopo la conferma."));
    Command2.move(5700, 5925, 1500, 375);
    Command1.move(7380, 5925, 1500, 375);
    Command2.setEnabled(false);

    List1.Click = [this] { List1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command1.Click = [this] { Command1_Click(); };
}

// ---------------------------------------------------------------- opening and closing

// The side's ship file stays open on the ships' channel while the window is loaded.
void FormDanniNavi::Form_Load() {
    Globals& g = G();
    List1.clear();
    PulisciRighe();
    ValoriCaricati.fill(0);
    side_ = g.CurrentSide;
    if (side_ != kAllies && side_ != kAxis) return;
    const int count = openShipFile(kChannelShips, side_);
    if (g.SelectedGn <= 0) return;
    const ShipRecord& s = g.ShipRecordBuffer;
    for (int r = 1; r <= count; ++r) {
        readShip(kChannelShips, r);
        if (s.whole(F::NUMERO_GN) != g.SelectedGn) continue;
        List1.addItem(shipLine(g.SelectedGn, s));
        List1.setItemData(List1.newIndex(), r);
    }
}

void FormDanniNavi::Form_Unload(int&) {
    ValoriCaricati.fill(0);
    G().Files.close(kChannelShips);
}

void FormDanniNavi::Command1_Click() {
    unload<FormDanniNavi>();
}

// ---------------------------------------------------------------- a ship selected

void FormDanniNavi::PulisciRighe() {
    for (int i = 0; i < kRows; ++i) {
        Text1[i].setText(QString());
        Label2[i].setCaption(QString());
        Label3[i].setCaption(QString());
        Label3[i].setForeColor(vbBlack);
        Label3[i].setFontBold(false);
    }
    Label6.setCaption(QString());
    Label5.setCaption(QString());
}

void FormDanniNavi::List1_Click() {
    PulisciRighe();
    IndiceNave = List1.listIndex() >= 0 ? List1.itemData(List1.listIndex()) : 0;
    Label5.setCaption(QString::number(IndiceNave));
    if (IndiceNave <= 0) {
        AbilitaConferma();
        return;
    }
    readSelectedShip();
    CaricaValoriDef();
    CaricaValoriAttuali();
    ColoraValori();
    AbilitaConferma();
}

// The selected ship read into the record buffer, from the side's ship file (opened again should
// anything have closed it).
void FormDanniNavi::readSelectedShip() {
    if (!G().Files.isOpen(kChannelShips)) openShipFile(kChannelShips, side_);
    readShip(kChannelShips, IndiceNave);
}

void FormDanniNavi::CaricaValoriDef() {
    const ShipRecord& s = G().ShipRecordBuffer;
    TipoNave = s.trimmed(F::TIPO);
    Label6.setCaption(s.trimmed(F::NOME));
    for (int i = 0; i <= kAircraftRow; ++i) Label2[i].setCaption(s.trimmed(kRowFields[i].defaultField));
    const bool sinking = s.whole(F::AFF) != 0;
    Label2[kSinkingRow].setCaption(sinking ? QStringLiteral("si") : QStringLiteral("no"));
    Label1[kSinkingRow].setForeColor(sinking ? vbRed : vbBlack);
    Text1[kAircraftRow].setEnabled(!aircraftLocked(TipoNave));
}

// The sinking row shows the ship's flag as well, so that a ship already sinking stays so.
void FormDanniNavi::CaricaValoriAttuali() {
    const ShipRecord& s = G().ShipRecordBuffer;
    ValoriCaricati = currentValues(s);
    for (int i = 0; i < kSinkingRow; ++i) Label3[i].setCaption(s.trimmed(kRowFields[i].currentField));
    Label3[kSinkingRow].setCaption(QString::number(ValoriCaricati[kSinkingRow]));
}

void FormDanniNavi::ColoraValori() {
    for (int i = 0; i < kRows; ++i) {
        const long long def = textToWhole(Label2[i].caption());
        Label3[i].setForeColor(showsDamage(i, def, ValoriCaricati[i]) ? vbRed : vbBlack);
        Label3[i].setFontBold(false);
    }
}

// ---------------------------------------------------------------- entries

void FormDanniNavi::Text1_KeyPress(int, int& keyAscii) {
    supervisor::digitKey(keyAscii);
}

void FormDanniNavi::Text1_DblClick(int index) {
    Text1[index].setText(QString());
}

void FormDanniNavi::showRow(int row, long long value, bool damaged) {
    Label3[row].setCaption(QString::number(value));
    Label3[row].setForeColor(damaged ? vbRed : vbBlack);
    Label3[row].setFontBold(damaged);
}

void FormDanniNavi::Text1_Change(int index) {
    // A pasted text keeps only its digits, as typed keys do.
    const QString digits = supervisor::digitsOf(Text1[index].text());
    if (digits != Text1[index].text()) {
        Text1[index].setText(digits);
        return;
    }
    if (IndiceNave > 0) {
        const long long value = enteredValue(index, ValoriCaricati[index], entryValue(digits));
        if (index == kSinkingRow) {
            const bool sinking = value == 1;
            showRow(index, sinking ? 1 : 0, sinking);
            Label2[index].setCaption(sinking ? QStringLiteral("si") : QStringLiteral("no"));
            Label1[index].setForeColor(sinking ? vbRed : vbBlack);
        } else {
            showRow(index, value, showsDamage(index, textToWhole(Label2[index].caption()), value));
        }
    }
    AbilitaConferma();
}

damageentry::Values FormDanniNavi::entries() const {
    Values e{};
    for (int i = 0; i < kRows; ++i) e[i] = entryValue(Text1[i].text());
    return e;
}

void FormDanniNavi::AbilitaConferma() {
    Command2.setEnabled(IndiceNave > 0 && confirmable(entries()));
}

// ---------------------------------------------------------------- confirming

bool FormDanniNavi::ScriviDanniNave() {
    const Values e = entries();
    Values values{};
    for (int i = 0; i < kRows; ++i) values[i] = enteredValue(i, ValoriCaricati[i], e[i]);
    const QString refusal = valuesRefusal(ValoriCaricati, values);
    if (!refusal.isEmpty()) {
        MsgBox(refusal, vbExclamation, caption());
        return false;
    }
    readSelectedShip();
    storeValues(G().ShipRecordBuffer, ValoriCaricati, values);
    writeShip(kChannelShips, IndiceNave);
    return true;
}

// The ship stays selected with its new values, against which further damage is entered.
void FormDanniNavi::Command2_Click() {
    if (IndiceNave <= 0 || !ScriviDanniNave()) return;
    Command2.setEnabled(false);
    CaricaValoriAttuali();
    for (int i = 0; i < kRows; ++i) Text1[i].setText(QString());
    ColoraValori();
}

void openShipDamageEntry() {
    const int side = G().CurrentSide;
    if (side != kAllies && side != kAxis) return;
    form<FormDanniNavi>().showModal();
}
