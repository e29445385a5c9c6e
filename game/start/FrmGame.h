// The start window: the four campaign slots, opening and deleting a campaign, the default printer
// and the way into the new-campaign set-up.
#pragma once

#include "platform/Form.h"

// The name of the default printer as the system gives it, without surrounding blanks.
QString StampantePredefinita();
// The print set-up dialog, owned by the given window.
void ImpostaStampante(QWidget* owner);

// The working values of FrmGame, kept with its controls when an action fails.
struct FrmGameValues {
    bool slotsRead_ = false;
};

class FrmGame : public platform::FormWith<FrmGameValues> {
  public:
    FrmGame();
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    // Deletes the campaign of SelectedSlot: its slot row becomes free and its files are deleted.
    void KillGame();

    void Label1_Click() { slotNameClick(1); } // slot 1's campaign name; a click picks the slot
    void Label2_Click() { slotNameClick(2); } // slot 2's campaign name; a click picks the slot
    void Label3_Click() { slotNameClick(3); } // slot 3's campaign name; a click picks the slot
    void Label4_Click() { slotNameClick(4); } // slot 4's campaign name; a click picks the slot
    void Label19_Click();                     // "APRI GIOCO"
    void Label20_Click();                     // "CANCELLA GIOCO"
    void Command1_Click();                    // "&Annulla"
    void MnFileApri_Click();
    void MnFileSetUpStampante_Click();
    void MnFileChiudi_Click();
    void MnSetupGenerale_Click();

    platform::Image Image1{*this, "Image1"}; // the program's icon
    platform::Label Label5{*this, "Label5", "Rel: 2.12 PostBeta"};
    platform::Label Label21{*this, "Label21"}; // the next free slot
    platform::Label Label22{*this, "Label22"}; // the default printer

    platform::Frame Frame1{*this, "Frame1", "Giochi Attivi:"};
    platform::Label Label1{Frame1, "Label1"};   // slot 1's campaign name; a click picks the slot
    platform::Label Label2{Frame1, "Label2"};   // slot 2's campaign name; a click picks the slot
    platform::Label Label3{Frame1, "Label3"};   // slot 3's campaign name; a click picks the slot
    platform::Label Label4{Frame1, "Label4"};   // slot 4's campaign name; a click picks the slot
    platform::Label Label6{Frame1, "Label6"};   // slot 1's length in days
    platform::Label Label7{Frame1, "Label7"};   // slot 1's season
    platform::Label Label8{Frame1, "Label8"};   // slot 1's year
    platform::Label Label9{Frame1, "Label9"};   // slot 2's length in days
    platform::Label Label10{Frame1, "Label10"}; // slot 2's season
    platform::Label Label11{Frame1, "Label11"}; // slot 2's year
    platform::Label Label12{Frame1, "Label12"}; // slot 3's length in days
    platform::Label Label13{Frame1, "Label13"}; // slot 3's season
    platform::Label Label14{Frame1, "Label14"}; // slot 3's year
    platform::Label Label15{Frame1, "Label15"}; // slot 4's length in days
    platform::Label Label16{Frame1, "Label16"}; // slot 4's season
    platform::Label Label17{Frame1, "Label17"}; // slot 4's year
    // "Prossimo Slot Libero N° " and the slot, or that the slots are full.
    platform::Label Label18{Frame1, "Label18"};
    platform::Label Label19{Frame1, "Label19", "APRI GIOCO"};
    platform::Label Label20{Frame1, "Label20", "CANCELLA GIOCO"};
    platform::CommandButton Command1{Frame1, "Command1", "&Annulla"};
    platform::Line Line1{Frame1, "Line1"}; // rule above slot 1
    platform::Line Line2{Frame1, "Line2"}; // rule above slot 2
    platform::Line Line3{Frame1, "Line3"}; // rule above slot 3
    platform::Line Line4{Frame1, "Line4"}; // rule above slot 4
    platform::Line Line5{Frame1, "Line5"}; // rule below slot 4

    platform::Menu MnFile{*this, "MnFile", "File              "};
    platform::Menu MnFileApri{MnFile, "MnFileApri", "Apri Gioco "};
    platform::Menu MnFileSep1{MnFile, "MnFileSep1", "-"};
    platform::Menu MnFileSetUpStampante{MnFile, "MnFileSetUpStampante", "Setup Stampante"};
    platform::Menu MnFileSep2{MnFile, "MnFileSep2", "-"};
    platform::Menu MnFileChiudi{MnFile, "MnFileChiudi", "Chiudi"};
    platform::Menu MnSetup{*this, "MnSetup", "Crea Nuovo Gioco    "};
    platform::Menu MnSetupGenerale{MnSetup, "MnSetupGenerale", "SetUpGenerale"};

    // The labels of slot n: field 1 name, 2 days, 3 season, 4 year.
    platform::Label& slotLabel(int n, int field);
    platform::Label& slotName(int n) { return slotLabel(n, 1); }
    platform::Label& slotDays(int n) { return slotLabel(n, 2); }
    platform::Label& slotSeason(int n) { return slotLabel(n, 3); }
    platform::Label& slotYear(int n) { return slotLabel(n, 4); }

  private:
    void layOut();
    void slotNameClick(int n);
    void slotNameMouseMove(int n);
    // Reads the slot file and shows it; on a failure the slots are blanked and cannot be chosen.
    void readAndShowSlots();
    // The free-slot line and the new-campaign menu from NextFreeSlot.
    void showFreeSlot();
    void clearChoice();
    void setCommandLabels(bool enabled);
};
