// The set-up program's one working window: the side and kind of unit, a ship card with its name
// list or an aircraft card opened and shown, and the side archive they are inserted into, with
// its list, deletion marks, printed list and destruction.
#pragma once

#include "platform/Form.h"

class FrmSetUpTorv : public platform::Form {
  public:
    FrmSetUpTorv();
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    void Option1_Click();  // "Alleati"
    void Option2_Click();  // "Asse"
    void Option3_Click();  // "Navi"
    void Option4_Click();  // "Aerei"
    void Command1_Click(); // "Apri Navi"
    void Command2_Click(); // "Apri Aerei"
    void Command3_Click(); // "Reset"
    void Command4_Click(); // "Esce"
    void Image5_Click();   // help (tip "Help")
    // The archive (FrmSetUpTorv_archive.cpp).
    // The class's ship names; a double-click inserts the ship into the archive.
    void List1_DblClick();
    void List4_Click();      // the aircraft card opened; a click inserts it into the archive
    void List3_Click();      // the archive's records; a pick marks one for deletion
    void Label17_Click();    // the record marked for deletion; a click clears the mark
    void Command5_Click();   // "CancNave"
    void Command6_Click();   // "CancAereo"
    void Command7_Click();   // "Stampa lista "
    void Command8_Click();   // "Distruggi Archivio Aerei"
    void Command9_Click();   // "Distruggi Archivio Navi"
    void Label18_DblClick(); // "KILL"
    void Label19_DblClick(); // "KILL"

    void ShowArchiveTitle();
    void CheckShipNation();
    void ShowShipRecordLabels();
    void ShowAircraftRecordLabels();
    void ClearRecordLabels();
    void OpenShipNameList();
    void LoadShipNameList();
    void ListShipArchive();
    void ListAircraftArchive();

    platform::Frame Frame1{*this, "Frame1", "Seleziona Crea Archivio"};
    platform::OptionButton Option1{Frame1, "Option1", "Alleati"};
    platform::OptionButton Option2{Frame1, "Option2", "Asse"};
    platform::Line Line1{Frame1, "Line1"};    // rule between the sides
    platform::Image Image3{Frame1, "Image3"}; // the Axis flag IT
    platform::Image Image4{Frame1, "Image4"}; // the Axis flag DE
    // Declared after Frame1 so that they lie over it, where the Axis flags lie.
    platform::Image Image1{*this, "Image1"}; // the Allied flag GB
    platform::Image Image2{*this, "Image2"}; // the Allied flag US

    platform::Frame Frame2{*this, "Frame2", "Mezzi"};
    platform::OptionButton Option3{Frame2, "Option3", "Navi"};
    platform::OptionButton Option4{Frame2, "Option4", "Aerei"};

    platform::Frame Frame3{*this, "Frame3"}; // the commands
    platform::CommandButton Command1{Frame3, "Command1", "Apri Navi"};
    platform::CommandButton Command2{Frame3, "Command2", "Apri Aerei"};
    platform::CommandButton Command3{Frame3, "Command3", "Reset"};
    platform::CommandButton Command4{Frame3, "Command4", "Esce"};

    platform::Frame Frame4{*this, "Frame4", "Navi"};
    platform::Label Label1{Frame4, "Label1"}; // the ship card's class
    platform::Label Label2{Frame4, "Label2"}; // the ship card's type
    platform::Label Label3{Frame4, "Label3"}; // the ship card's nation
    platform::Label Label4{Frame4, "Label4"}; // the ship card's data year
    // The class's ship names; a double-click inserts the ship into the archive.
    platform::ListBox List1{Frame4, "List1"};
    platform::ListBox List2{Frame4, "List2"};   // the ships inserted
    platform::Label Label20{Frame4, "Label20"}; // why the class names cannot be inserted
    platform::Label Label22{Frame4, "Label22"}; // a ship of the list is already in the archive
    platform::Label Label5{Frame4, "Label5", "  Dall'archivio   >>>>>>   al   >>>>>>  Gioco"};
    platform::Label Label6{Frame4, "Label6"}; // the ships inserted, counted
    platform::CommandButton Command9{Frame4, "Command9", "Distruggi Archivio Navi"};
    platform::Label Label19{Frame4, "Label19", "KILL"};

    platform::Frame Frame5{*this, "Frame5", "Aerei"};
    platform::Label Label10{Frame5, "Label10"}; // the aircraft card's name
    platform::Label Label12{Frame5, "Label12"}; // the aircraft card's nation
    platform::Label Label11{Frame5, "Label11"}; // the aircraft card's type
    platform::Label Label13{Frame5, "Label13"}; // the aircraft card's year
    platform::Label Label16{Frame5, "Label16"}; // whether the aircraft is carrier-borne
    // The aircraft card opened; a click inserts it into the archive.
    platform::ListBox List4{Frame5, "List4"};
    platform::ListBox List5{Frame5, "List5"}; // the aircraft inserted
    platform::Label Label7{Frame5, "Label7", "  Dall'archivio   >>>>>>   al   >>>>>>  Gioco"};
    platform::Label Label8{Frame5, "Label8"};   // the aircraft inserted, counted
    platform::Label Label21{Frame5, "Label21"}; // the aircraft is already in the archive
    platform::CommandButton Command8{Frame5, "Command8", "Distruggi Archivio Aerei"};
    platform::Label Label18{Frame5, "Label18", "KILL"};

    platform::Frame Frame6{*this, "Frame6", "Mezzi Inseriti"};
    // The archive shown: "NAVI " or "AEREI " and the side.
    platform::Label Label9{Frame6, "Label9"};
    // The archive's records; a pick marks one for deletion.
    platform::ListBox List3{Frame6, "List3"};
    platform::Label Label14{Frame6, "Label14", "Cancella File Selezionato:"};
    // The record marked for deletion; a click clears the mark.
    platform::Label Label17{Frame6, "Label17"};
    platform::CommandButton Command5{Frame6, "Command5", "CancNave"};
    platform::CommandButton Command6{Frame6, "Command6", "CancAereo"};
    platform::CommandButton Command7{Frame6, "Command7", "Stampa lista "};

    platform::Label Label15{*this, "Label15", "Rel: 1.001.2004"};
    platform::Image Image5{*this, "Image5"}; // help (tip "Help")

  private:
    void layOut();
    void chooseSide(int side);
    void chooseKind(int kind);
    void deleteSelected(int kind);
    void clearLists();
    // The card chosen in the file dialog, in the program folder's subfolder; empty when none.
    QString chooseCard(const QString& subfolder, const QString& title, const QString& filter);
    void showKindPicture(const QString& icon);
    // The archive of the side and kind in work.
    QString archivePath(int kind) const;
    // Says on the aircraft panel when the archive already holds the record a click would append.
    void showIdenticalAircraft();
    // Says on the ship panel which ships of the list the archive already holds, record for record.
    void showIdenticalShips();
    // Prints the items of one archive line at the column positions of the list.
    void printColumns(const QStringList& items, const QList<int>& columns);
};
