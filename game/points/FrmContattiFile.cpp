#include "FrmContattiFile.h"

#include "Supervisor.h"
#include "common/ContactFiles.h"
#include "common/Globals.h"

using namespace platform;
using namespace supervisor;

namespace {
const char* const kFieldNames[30] = {"STMOSSA",
                                     "STLATO1",
                                     "STLATO2",
                                     "STVEDELATO1",
                                     "STVEDELATO2",
                                     "STNSTACKLATO1",
                                     "STNSTACKLATO2",
                                     "STDIFVEVLATO1",
                                     "STDIFVEVLATO2",
                                     "STDADOLATO1",
                                     "STDADOLATO2",
                                     "STATTACCOLATO1",
                                     "STATTACCOLATO2",
                                     "STROTTALATO1",
                                     "STROTTALATO2",
                                     "STNUMNAVILATO1",
                                     "STNUMNAVILATO2",
                                     "STNODILATO1",
                                     "STNODILATO2",
                                     "STINCLATO1",
                                     "STINCLATO2",
                                     "STCONTATTI",
                                     "STNUMATTIVITA",
                                     "STDISTANZA",
                                     "STA1 (base attaccata)",
                                     "STA2(ordine op)",
                                     "STB1(ora contat su15)",
                                     "STB2 (flagattività *)",
                                     "STC1(all 1=aer 0=nav)",
                                     "STC2(ass 1=aer 0=nav)"};

// The codes of STB2; a code stays on the line of its name.
const QString kLegend =
    QStringLiteral("* STB2:   ") +
    QStringList{QStringLiteral("1\u00a0nav><nav"),         QStringLiteral("2\u00a0VBasiAll>NaviAss"),
                QStringLiteral("3\u00a0VBasiAss>NaviAll"), QStringLiteral("4\u00a0AerAll>NavAss"),
                QStringLiteral("5\u00a0AerAss>NavAll"),    QStringLiteral("6\u00a0BombAer base/Ass"),
                QStringLiteral("7\u00a0BombAer Base/All"), QStringLiteral("8\u00a0BombNav Base/Ass"),
                QStringLiteral("9\u00a0BombNav Base/All"), QStringLiteral("10\u00a0NN o fuori zona")}
        .join("   ") +
    QStringLiteral("   (S/AT= sottoattacco)");

void fill(ListBox& list, const QStringList& lines) {
    list.clear();
    for (const QString& line : lines) list.addItem(line);
}
} // namespace

FrmContattiFile::FrmContattiFile() : Form("FrmContattiFile") {
    setCaption("Contatti");
    setSize(14520, 8280);
    setFixedBorder(true);

    List1.move(120, 120, 3600, 7920);
    List1.setToolTipText("GN sotto attacco");
    for (int k = 0; k < 30; ++k) {
        const int x = k < 15 ? 3840 : 7080;
        const int top = 120 + 330 * (k % 15);
        Label1.add(k, *this, "Label1", kFieldNames[k]).move(x, top + 15, 2220, 285);
        Label& value = Label2.add(k, *this, "Label2");
        value.move(x + 2280, top, 900, 300);
        value.setBorderStyle(1);
        value.setAlignment(1);
    }
    Label3.move(3840, 5220, 6360, 1260);
    Label3.setWordWrap(true);
    Label3.setCaption(kLegend);

    Label6.move(10440, 120, 900, 300);
    Label4.move(11400, 120, 1800, 300);
    Label7.move(10440, 480, 900, 300);
    Label5.move(11400, 480, 1800, 300);
    for (Label* l : {&Label4, &Label5}) l->setBorderStyle(1);

    struct Placed {
        ListBox* list;
        const char* tip;
    };
    const Placed lists[] = {{&List3, "GN amici vicini al GN attaccato"},
                            {&List2, "CAP amica del GN attaccato  IN ZONA"},
                            {&List4, "GN in attacco sul GN selezionato sopra"},
                            {&List6, "GN vicini al GN che attacca"},
                            {&List5, "CAP su GN in attacco"},
                            {&List7, "GA in attacco sul GN selezionato sopra"}};
    for (int i = 0; i < 6; ++i) {
        lists[i].list->move(10440, 900 + 1200 * i, 3960, 1080);
        lists[i].list->setToolTipText(lists[i].tip);
    }

    List1.Click = [this] { List1_Click(); };
}

void FrmContattiFile::Form_Load() {
    Globals& g = G();
    g.Files.close(kChannelSupervisorContacts);
    List1.clear();
    PulisciCampiContatto();
    g.ContattiGestiti = g.state(StateItem::Contacts);
    const int n = openContactFile(kChannelSupervisorContacts);
    if (g.ContattiGestiti > 0) {
        for (int r = firstRecordOfHour(n, g.ContattiGestiti); r <= n; ++r) {
            const QString line = contactLine(readContact(kChannelSupervisorContacts, r));
            if (line.isEmpty()) continue;
            List1.addItem(line);
            List1.setItemData(List1.newIndex(), r);
        }
    }
    g.Files.close(kChannelSupervisorContacts);
}

void FrmContattiFile::List1_Click() {
    const int i = List1.listIndex();
    if (i < 0) return;
    Globals& g = G();
    for (ListBox* l : {&List2, &List3, &List4, &List5, &List6, &List7}) l->clear();
    openContactFile(kChannelSupervisorContacts);
    const ContactRecord c = readContact(kChannelSupervisorContacts, List1.itemData(i));
    g.Files.close(kChannelSupervisorContacts);
    MostraCampiContatto(c);

    const ContactSurroundings s = contactSurroundings(c);
    Label6.setCaption(s.sideA);
    Label7.setCaption(s.sideB);
    Label4.setCaption(s.pointA);
    Label5.setCaption(s.pointB);
    fill(List3, s.friendlyGroups);
    fill(List2, s.friendlyCap);
    fill(List4, s.attackingGroup);
    fill(List6, s.attackerGroups);
    fill(List5, s.attackerCap);
    fill(List7, s.attackingAir);
}

void FrmContattiFile::PulisciCampiContatto() {
    for (int k = 0; k < 30; ++k) Label2[k].setCaption(QString());
}

void FrmContattiFile::MostraCampiContatto(const ContactRecord& c) {
    for (int k = 0; k < 30; ++k) Label2[k].setCaption(QString::number(c[k]));
}
