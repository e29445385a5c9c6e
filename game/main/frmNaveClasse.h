// The ship class card: the technical data of the class of the ship in hand, read from the card
// file that Torvcard wrote for that class and data year.
#pragma once

#include "cards/format/ShipCard.h"
#include "common/records/RecordFormat.h"
#include "platform/Form.h"

#include <QStringList>

class frmNaveClasse : public platform::Form {
  public:
    frmNaveClasse();

    // Values 0..30 and their captions.
    platform::ControlArray<platform::Label> Label1; // the values
    platform::ControlArray<platform::Label> Label2; // their captions
    platform::Label Label3{*this, "Label3", "CORRAZZATURE"};
    platform::Label Label4{*this, "Label4", "ARMAMENTO"};
    platform::Line Line1{*this, "Line1"}; // rule between the first and second column
    platform::Line Line2{*this, "Line2"}; // rule between the second and third column
};

constexpr int kClassCardRows = 31;

// Nation number of a two-letter code: IT 1, DE 2, GB 3, RU 4, US 5, JP 6, AU 7, NL 8; 0 else.
int nationNumber(const QString& code);
// The card of a ship's class: AppPath\NAVI\<nation name>\<class><type><year>.SNS, the class
// trimmed, the type and year as the record stores them.
QString classCardPath(const recordformat::ShipRecord& ship);
// What the card shows in rows 0..30.
QStringList classCardTexts(const ShipValues& card);

// Fills frmNaveClasse from the card of the ship in ShipRecordBuffer; the caller then shows it.
// A missing or short card is told on the message line, no window is made, and false is returned.
bool SchedaClasseNave();
