// The judgement questionnaire "Giudizio Globale": ten questions answered 1 to 14; the judgement is
// the whole part of their average, the availability comes from the answer about production.
#pragma once

#include "platform/Form.h"

#include <array>
#include <memory>

class Form_Giudizio : public platform::Form {
  public:
    Form_Giudizio();
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

    void RecomputeJudgement();
    void RecallLastJudgement();
    void Combo_Click(int question);
    void Command1_Click(); // Annulla
    void Command2_Click(); // Conferma
    void Command3_Click(); // Tutti Valori Medi
    void Command4_Click(); // Ultimo Giudizio
    void Command5_Click(); // Tutti Valori Buoni

    platform::ComboBox& answerBox(int question) { return *Combo[question]; }
    platform::Label& questionLabel(int question) { return *Labels[question]; }

    std::array<std::unique_ptr<platform::ComboBox>, 11> Combo; // Combo1..Combo10
    std::array<std::unique_ptr<platform::Label>, 11> Labels;   // Label1..Label10
    platform::Label Label11{*this, "Label11",
                            QStringLiteral("   1 = pessimo       7 = medio           14 = ottimo")};
    platform::Label Label15{*this, "Label15", QStringLiteral("MEDIA:")};
    platform::Label Label13{*this, "Label13"}; // the average of the answers, after "MEDIA:"
    platform::Label Label12{*this, "Label12",
                            QStringLiteral("Siate obbiettivi e usate lo stesso metro di "
                                           "valutazione per tutti gli aerei")};
    platform::Label Label14{*this, "Label14",
                            QStringLiteral("Il giudizio deve inoltre essere rapportato a "
                                           "tutti i mezzi usati in gioco")};
    platform::CommandButton Command3{*this, "Command3", QStringLiteral("Tutti Valori Medi")};
    platform::CommandButton Command5{*this, "Command5", QStringLiteral("Tutti Valori Buoni")};
    platform::CommandButton Command4{*this, "Command4", QStringLiteral("Ultimo Giudizio")};
    platform::CommandButton Command2{*this, "Command2", QStringLiteral("Conferma")};
    platform::CommandButton Command1{*this, "Command1", QStringLiteral("Annulla")};

  private:
    void setAll(int answer);
    bool confirmed_ = false;
};
