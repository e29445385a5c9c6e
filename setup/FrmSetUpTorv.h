// The set-up program's one working window: the side and kind of unit, a ship card with its name
// list or an aircraft card opened and shown, and the side archive they are inserted into, with
// its list, deletion marks, printed list and destruction.
#pragma once

#include "platform/Layout.h"

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

    // The controls, made by the layout table (FrmSetUpTorv::layout()) before the members that name them.
    static const platform::Layout<FrmSetUpTorv>& layout();
    platform::LaidOut laidOut_{*this, layout()};

    platform::Frame& Frame1 = made("Frame1");
    platform::OptionButton& Option1 = made("Option1");
    platform::OptionButton& Option2 = made("Option2");
    platform::Line& Line1 = made("Line1");    // rule between the sides
    platform::Image& Image3 = made("Image3"); // the Axis flag IT
    platform::Image& Image4 = made("Image4"); // the Axis flag DE
    // Made after Frame1 so that they lie over it, where the Axis flags lie.
    platform::Image& Image1 = made("Image1"); // the Allied flag GB
    platform::Image& Image2 = made("Image2"); // the Allied flag US

    platform::Frame& Frame2 = made("Frame2");
    platform::OptionButton& Option3 = made("Option3");
    platform::OptionButton& Option4 = made("Option4");

    platform::Frame& Frame3 = made("Frame3"); // the commands
    platform::CommandButton& Command1 = made("Command1");
    platform::CommandButton& Command2 = made("Command2");
    platform::CommandButton& Command3 = made("Command3");
    platform::CommandButton& Command4 = made("Command4");

    platform::Frame& Frame4 = made("Frame4");
    platform::Label& Label1 = made("Label1"); // the ship card's class
    platform::Label& Label2 = made("Label2"); // the ship card's type
    platform::Label& Label3 = made("Label3"); // the ship card's nation
    platform::Label& Label4 = made("Label4"); // the ship card's data year
    // The class's ship names; a double-click inserts the ship into the archive.
    platform::ListBox& List1 = made("List1");
    platform::ListBox& List2 = made("List2");   // the ships inserted
    platform::Label& Label20 = made("Label20"); // why the class names cannot be inserted
    platform::Label& Label22 = made("Label22"); // a ship of the list is already in the archive
    platform::Label& Label5 = made("Label5");
    platform::Label& Label6 = made("Label6"); // the ships inserted, counted
    platform::CommandButton& Command9 = made("Command9");
    platform::Label& Label19 = made("Label19");

    platform::Frame& Frame5 = made("Frame5");
    platform::Label& Label10 = made("Label10"); // the aircraft card's name
    platform::Label& Label12 = made("Label12"); // the aircraft card's nation
    platform::Label& Label11 = made("Label11"); // the aircraft card's type
    platform::Label& Label13 = made("Label13"); // the aircraft card's year
    platform::Label& Label16 = made("Label16"); // whether the aircraft is carrier-borne
    // The aircraft card opened; a click inserts it into the archive.
    platform::ListBox& List4 = made("List4");
    platform::ListBox& List5 = made("List5"); // the aircraft inserted
    platform::Label& Label7 = made("Label7");
    platform::Label& Label8 = made("Label8");   // the aircraft inserted, counted
    platform::Label& Label21 = made("Label21"); // the aircraft is already in the archive
    platform::CommandButton& Command8 = made("Command8");
    platform::Label& Label18 = made("Label18");

    platform::Frame& Frame6 = made("Frame6");
    // The archive shown: "NAVI " or "AEREI " and the side.
    platform::Label& Label9 = made("Label9");
    // The archive's records; a pick marks one for deletion.
    platform::ListBox& List3 = made("List3");
    platform::Label& Label23 = made("Label23"); // the archive ends with a record cut short
    platform::Label& Label14 = made("Label14");
    // The record marked for deletion; a click clears the mark.
    platform::Label& Label17 = made("Label17");
    platform::CommandButton& Command5 = made("Command5");
    platform::CommandButton& Command6 = made("Command6");
    platform::CommandButton& Command7 = made("Command7");

    platform::Label& Label15 = made("Label15");
    platform::Image& Image5 = made("Image5"); // help (tip "Help")

  private:
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
    // Whether a record may be appended to the archive: when it ends with a record cut short, only
    // if the user goes on (the cut record is written over).
    bool appendAllowed(int kind);
    // Prints the items of one archive line at the column positions of the list.
    void printColumns(const QStringList& items, const QList<int>& columns);
};
