// The side in play turns acquisition points into command points and hands command points to its
// main bases, one increment a click; the Allies also move points from MALTA HQ to MALTA BS.
#pragma once

#include "PointTransfers.h"
#include "platform/Form.h"

// The working values of FrmPunti, kept with its controls when an action fails.
struct FrmPuntiValues {
    points::PointStep Step = points::kPointSteps[points::kDefaultStep];
};

class FrmPunti : public platform::FormWith<FrmPuntiValues> {
  public:
    FrmPunti();
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    void AggiornaLabelBasiAlle();
    void AggiornaLabelBasiAsse();

    // The Allied step of each click: "30", "90", "150", "300", "3"
    void Option1_Click(int index);
    void Option2_Click(int index); // the Axis step of each click: "30", "90", "150", "300", "3"
    void Label1_Click();           // Allied conversion
    void Label2_Click();           // ALESSANDRIA
    void Label3_Click();           // GIBILTERRA
    void Label6_Click();           // MALTA HQ to MALTA BS
    void Label8_Click();           // Axis conversion
    void Label9_Click();           // TARANTO
    void Label10_Click();          // NAPOLI
    void Label11_Click();          // CASTELVETRANO
    void Label12_Click();          // PACHINO
    void Command1_Click();         // "Chiudi/Salva"
    void Command2_Click();         // "&Chiudi/salva"

    const points::PointStep& step() const { return Step; }

    // ---------------------------------------------------------------- the Allied frame
    platform::Frame Frame1{*this, "Frame1", "GESTIONE PUNTI COMANDO ALLE"};
    platform::Image Image1{Frame1, "Image1"}; // left flag of the Allies
    platform::Image Image2{Frame1, "Image2"}; // right flag of the Allies
    platform::Frame Frame3{Frame1, "Frame3", "Incremento"};
    // The Allied step of each click: "30", "90", "150", "300", "3"
    platform::ControlArray<platform::OptionButton> Option1;
    platform::Label Label13{Frame1, "Label13", "Punti Acquisizione"};
    platform::Label Label4{Frame1, "Label4"}; // the Allies' acquisition points
    platform::Label Label14{Frame1, "Label14", "Punti Comando"};
    // The Allies' command points; a click converts acquisition points.
    platform::Label Label1{Frame1, "Label1"};
    platform::Label Label19{Frame1, "Label19", "Clicca sulla Base sotto per trasferivi dei punti:"};
    platform::Label Label15{Frame1, "Label15", "MALTA HQ"};
    platform::Label Label5{Frame1, "Label5"}; // MALTA HQ's command points
    platform::Label Label16{Frame1, "Label16", "MALTA BS"};
    // MALTA BS's command points; a click moves points from MALTA HQ.
    platform::Label Label6{Frame1, "Label6"};
    platform::Label Label17{Frame1, "Label17", "GIBILTERRA"};
    // GIBILTERRA's command points; a click hands it points.
    platform::Label Label3{Frame1, "Label3"};
    platform::Label Label18{Frame1, "Label18", "ALESSANDRIA"};
    // ALESSANDRIA's command points; a click hands it points.
    platform::Label Label2{Frame1, "Label2"};
    platform::Label Label20{
        Frame1, "Label20",
        "ATT: Malta HQ non dovrebbe andare sotto di molti PUNTI o avvantaggiate l'avversario"};
    platform::ListBox List1{Frame1, "List1"}; // the Allied air bases and their points
    platform::CommandButton Command1{Frame1, "Command1", "Chiudi/Salva"};

    // ---------------------------------------------------------------- the Axis frame
    platform::Frame Frame2{*this, "Frame2", "GESTIONE PUNTI COMANDO ASSE"};
    platform::Image Image3{Frame2, "Image3"}; // left flag of the Axis
    platform::Image Image4{Frame2, "Image4"}; // right flag of the Axis
    platform::Frame Frame4{Frame2, "Frame4", "Incremento"};
    // The Axis step of each click: "30", "90", "150", "300", "3"
    platform::ControlArray<platform::OptionButton> Option2;
    platform::Label Label21{Frame2, "Label21", "Punti Acquisizione"};
    platform::Label Label7{Frame2, "Label7", "mezzi"};
    platform::Label Label22{Frame2, "Label22", "Punti Comando"};
    platform::Label Label8{Frame2, "Label8", "comando"};
    platform::Label Label23{Frame2, "Label23", "Clicca sulla Base sotto per trasferivi dei punti:"};
    platform::Label Label24{Frame2, "Label24", "TARANTO"};
    // TARANTO's command points; a click hands it points.
    platform::Label Label9{Frame2, "Label9"};
    platform::Label Label25{Frame2, "Label25", "NAPOLI"};
    // NAPOLI's command points; a click hands it points.
    platform::Label Label10{Frame2, "Label10"};
    platform::Label Label26{Frame2, "Label26", "CASTELVETRANO"};
    // CASTELVETRANO's command points; a click hands it points.
    platform::Label Label11{Frame2, "Label11"};
    platform::Label Label27{Frame2, "Label27", "PACHINO"};
    // PACHINO's command points; a click hands it points.
    platform::Label Label12{Frame2, "Label12"};
    platform::ListBox List2{Frame2, "List2"}; // the Axis air bases and their points
    platform::CommandButton Command2{Frame2, "Command2", "&Chiudi/salva"};

    // Why the last click moved nothing.
    platform::Label MessageLine{*this, "MessageLine"};

  private:
    // A move's outcome: the refusal on the message line, the side's labels refreshed.
    void afterMove(int side, const QString& refusal);
    // What both close buttons and the close box do: save, and give the side's menu back.
    void saveAndClose(int side);
};
