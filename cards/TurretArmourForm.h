// The armour of one set of gun turrets (frontal, lateral, roof, barbette in mm, and whether the
// turrets are closed), the common body of Form_TP (main turrets) and Form_TS (secondary turrets).
// The window is only hidden by its commands, so its boxes keep their text between showings.
#pragma once

#include "platform/Form.h"

#include "platform/Numbers.h"

class TurretArmourForm : public platform::Form {
  public:
    struct Texts {
        const char* caption;
        const char* structureCaption;
        const char* clearCaption;
        const char* frontalTip;
    };
    TurretArmourForm(const QString& name, const Texts& texts, platform::Int16* record,
                     platform::Label* (*editorLabel)());

    platform::Frame Frame2{*this, "Frame2", "Corazzatura reale in mm"};
    platform::Label Label1{Frame2, "Label1", "Frontale (o unico dato)"};
    // Frontal armour in mm (or the only value), "Frontale (o unico dato)"
    platform::TextBox Text1{Frame2, "Text1"};
    platform::Label Label2{Frame2, "Label2", "Laterale"};
    platform::TextBox Text2{Frame2, "Text2"}; // lateral armour in mm, "Laterale"
    platform::Label Label3{Frame2, "Label3", "Cielo"};
    platform::TextBox Text3{Frame2, "Text3"}; // roof armour in mm, "Cielo"
    platform::Label Label4{Frame2, "Label4", "Barbette"};
    platform::TextBox Text4{Frame2, "Text4"}; // barbette armour in mm, "Barbette"
    platform::Frame Frame1{*this, "Frame1"};  // the turret structure, closed or open
    platform::OptionButton Option1{Frame1, "Option1", "Torri Chiuse"};
    platform::OptionButton Option2{Frame1, "Option2", "Torri Aperte/Semichiuse"};
    platform::CommandButton Command3{*this, "Command3", "Conferma"};
    platform::CommandButton Command2{*this, "Command2", "Annulla"};
    // "Annulla i Dati" / "Annulla I Dati": empties the four values.
    platform::CommandButton Command1{*this, "Command1"};

    void Text1_Change();   // frontal armour in mm (or the only value), "Frontale (o unico dato)"
    void Command3_Click(); // "Conferma"
    void Command2_Click(); // "Annulla"
    void Command1_Click(); // "Annulla i Dati" / "Annulla I Dati": empties the four values

  private:
    platform::Int16* record_;
    platform::Label* (*editorLabel_)();
};

// The five values of a turret record in signed form joined by one blank (" 120  80  150  200  1").
QString TurretArmourCaption(const platform::Int16* record);
