#include "Form_Giudizio.h"

#include "CardGlobals.h"
#include "Form_Aerei.h"

#include "platform/Numbers.h"

using namespace platform;
namespace rating = aircraftrating;

namespace {
struct Question {
    const char* caption;
    const char* tip;
};
const Question kQuestions[rating::kQuestions + 1] = {
    {"", ""},
    {"Cosa ne pensavano i contemporanei?", "L'impressione dei piloti amici e nemici"},
    {"Cosa ne pensiamo oggi?", "Il commento tecnico attuale e resa in servizio"},
    {"Ne furono prodotti tanti o pochi?",
     "RELATIVAMENTE ALLA PRODUZIONE DI AEREI NAZIONALE INCLUSO LE VARIE VERSIONI"},
    {"Era lento o veloce nella categoria?", "Velocità massima in quota"},
    {"Era poco o molto corazzato?", "Se vantava protezioni speciali (Cabina, Serbatoio, Motore)"},
    {"Come si è comportato in guerra?", "Rendimento effettivo in azione"},
    {"Era operativamente versatile?", "Se ha ricoperto con merito altri ruoli"},
    {"Era adeguato al suo ruolo?", "Appunto"},
    {"Era ben armato nella categoria?", "Appunto"},
    {"Avresti voluto averlo a disposizione?", "appunto"},
};
constexpr long kGreen = 49152;
} // namespace

Form_Giudizio::Form_Giudizio() : Form("Form_Giudizio") {
    setCaption(QStringLiteral("Giudizio Globale"));
    setSize(8400, 6600);
    setFixedBorder(true);
    Label11.move(240, 120, 7800, 255);
    Label11.setFontBold(true);
    for (int q = 1; q <= rating::kQuestions; ++q) {
        const int top = 480 + (q - 1) * 390;
        Combo[q] = std::make_unique<ComboBox>(*this, QStringLiteral("Combo%1").arg(q));
        Combo[q]->move(240, top, 900, 315);
        Combo[q]->setToolTipText(QString::fromUtf8(kQuestions[q].tip));
        // Answers come from the list only.
        Combo[q]->KeyPress = [](int& key) { key = 0; };
        Combo[q]->Click = [this, q] { Combo_Click(q); };
        Labels[q] = std::make_unique<Label>(*this, QStringLiteral("Label%1").arg(q),
                                            QString::fromUtf8(kQuestions[q].caption));
        Labels[q]->move(1260, top + 30, 4200, 285);
    }
    Command3.move(5700, 480, 2400, 435);
    Command3.setToolTipText(QStringLiteral("Inserisce il valore medio"));
    Command5.move(5700, 1020, 2400, 435);
    Command4.move(5700, 1560, 2400, 435);
    Label15.move(5700, 2400, 900, 285);
    Label15.setFontBold(true);
    Label13.move(6660, 2340, 900, 375);
    Label13.setBorderStyle(1);
    Label13.setAlignment(2);
    Label13.setFontBold(true);
    Label13.setFontSize(12);
    Command2.move(5700, 3780, 2400, 435);
    Command1.move(5700, 4320, 2400, 435);
    Label12.move(240, 4500, 5300, 510);
    Label14.move(240, 5100, 5300, 510);
    Command3.Click = [this] { Command3_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command1.Click = [this] { Command1_Click(); };
}

void Form_Giudizio::Form_Load() {
    for (int q = 1; q <= rating::kQuestions; ++q) {
        Combo[q]->clear();
        for (int n = 1; n <= 14; ++n) Combo[q]->addItem(QString::number(n));
    }
    CG().AircraftAvailability = 0;
    CG().JudgementScores.fill(0);
    Command2.setEnabled(false);
}

void Form_Giudizio::Combo_Click(int question) {
    CG().JudgementScores[question] = Combo[question]->listIndex() + 1;
    RecomputeJudgement();
}

void Form_Giudizio::RecomputeJudgement() {
    CG().JudgementAverage = rating::judgementAverage(CG().JudgementScores);
    Label13.setCaption(numberTextWithSign(CG().JudgementAverage));
    Command2.setEnabled(CG().JudgementAverage != 0);
}

void Form_Giudizio::setAll(int answer) {
    for (int q = 1; q <= rating::kQuestions; ++q) {
        CG().JudgementScores[q] = answer;
        Combo[q]->setText(QString::number(answer));
    }
    RecomputeJudgement();
}

void Form_Giudizio::Command3_Click() {
    setAll(7);
}
void Form_Giudizio::Command5_Click() {
    setAll(12);
}

void Form_Giudizio::RecallLastJudgement() {
    for (int q = 1; q <= rating::kQuestions; ++q) {
        Combo[q]->setText(QString::number(CG().LastJudgementScores[q]));
        CG().JudgementScores[q] = CG().LastJudgementScores[q];
    }
    RecomputeJudgement();
}

void Form_Giudizio::Command4_Click() {
    RecallLastJudgement();
}

void Form_Giudizio::Command2_Click() {
    auto& g = CG();
    // The availability is read from the production answer as it stands, so that no text gives an
    // availability of 0 unseen.
    const int production = rating::productionAnswer(Combo[rating::kAvailabilityQuestion]->text());
    Form_Aerei& editor = platform::form<Form_Aerei>();
    const QString average = QString::number(g.JudgementAverage);
    editor.Label17.setCaption(average);
    editor.Label10.setCaption(average);
    editor.Label10.setBackColor(g.JudgementAverage < 1 ? vbRed : kGreen);
    g.LastJudgementScores = g.JudgementScores;
    // An unanswered production question counts as no production to speak of.
    g.AircraftAvailability = rating::availability(production);
    confirmed_ = true;
    unloadForm(*this);
}

void Form_Giudizio::Command1_Click() {
    CG().JudgementScores.fill(0);
    CG().JudgementAverage = 0;
    unloadForm(*this);
}

void Form_Giudizio::Form_Unload(int&) {
    auto& g = CG();
    Form_Aerei& editor = platform::form<Form_Aerei>();
    const QString average = QString::number(g.JudgementAverage);
    editor.Label17.setCaption(average);
    editor.Label10.setCaption(average);
    // Only a confirmed questionnaire sets the availability; a cancel or the close box keeps it.
    if (confirmed_) editor.Label42.setCaption(QString::number(g.AircraftAvailability));
    editor.Label10.setBackColor(g.JudgementAverage > 0 ? kGreen : vbRed);
    g.JudgementAverage = 0;
}
