// The contact board: the contacts of the last hour, and for the one selected who attacks whom, the
// groups of both sides near the attacked naval group with their combat air patrols and the
// defender's alert state; or, when the main window's box for that kind of attack is ticked, the
// hand-over to its attack window. Its close button gives the hour button back.
#pragma once

#include "platform/Form.h"

#include <QString>

// The working values of FrmContatti, kept with its controls when an action fails.
struct FrmContattiValues {
    // The plot's arguments: the attacked group's point, the plotted group's point, colours as
    // decimal text and the number printed beside the icon.
    int XVisto = 0, YVisto = 0;
    int XNear = 0, YNear = 0;
    QString ColoreNave, ColoreAerei, Gnum;
    // The selected contact's record number, and the kind of the last contact shown (not of one
    // handed to an attack window).
    int IndCont = 0;
    int GnGa = 0;
};

class FrmContatti : public platform::FormWith<FrmContattiValues> {
  public:
    FrmContatti();
    void Form_Load() override;
    // Closed by its title bar instead of "&Chiudi": the hour stays held for its contacts, and the
    // main window says so rather than that the board is open.
    void Form_Unload(int& cancel) override;

    void List1_Click();    // the hour's contacts (tip " Selezionare il GN sotto attacco ")
    void Command1_Click(); // "&Chiudi"
    // The side lists: a click shows the list's legend, a double-click the group's detail.
    void List2_Click();    // air groups on CAP over the attacked group and its neighbours
    void List3_Click();    // own naval groups near the attacked group
    void List4_Click();    // the attacking groups, with the hour each attack began
    void List5_Click();    // air groups on CAP over the attacker and its neighbours
    void List6_Click();    // naval groups near the attacker
    void List2_DblClick(); // air groups on CAP over the attacked group and its neighbours
    void List3_DblClick(); // own naval groups near the attacked group
    void List4_DblClick(); // the attacking groups, with the hour each attack began
    void List5_DblClick(); // air groups on CAP over the attacker and its neighbours
    void List6_DblClick(); // naval groups near the attacker

    // The sketch on the plot window: the attacked group, a naval group, an air group.
    void PlotVisto();
    void PlotNear();
    void PlotAerei();

    // The hour's contacts (tip " Selezionare il GN sotto attacco ")
    platform::ListBox List1{*this, "List1"};
    platform::Label Label1{*this, "Label1"}; // the defender's side (tip " DIFENSORE ...")
    // The defender at periscope depth or on the surface.
    platform::Label Label3{*this, "Label3"};
    platform::ListBox List3{*this, "List3"}; // own naval groups near the attacked group
    // Air groups on CAP over the attacked group and its neighbours.
    platform::ListBox List2{*this, "List2"};
    platform::Label Label2{*this, "Label2"}; // the attacker's side (tip " ATTACCANTE ")
    // The attacker at periscope depth, on the surface, or "Aerei"
    platform::Label Label4{*this, "Label4"};
    // The attacking groups, with the hour each attack began.
    platform::ListBox List4{*this, "List4"};
    platform::ListBox List6{*this, "List6"}; // naval groups near the attacker
    // Air groups on CAP over the attacker and its neighbours.
    platform::ListBox List5{*this, "List5"};
    platform::Label Label5{*this, "Label5"}; // the defender's alert state
    // The deployment rule of the side that sees (tip "REGOLA SHIERAMENTO DI CHI VEDE")
    platform::Label Label6{*this, "Label6"};
    platform::CommandButton Command1{*this, "Command1", "&Chiudi"};

  private:
    // The two paths of a selection: the contact shown, or handed to its attack window.
    void MostraContatto();
    void attackPath();
    // Writes the attacking naval group's class counts to the main window's message line.
    void MostraDatiGN();
    void setSides(int defender, const QString& defenderCaption, int attacker);
    // Neighbours of `side` near the attacked group into a naval and a patrol list, plotted.
    void listNear(int side, int exclude, int course, bool blankBeforeGn, platform::ListBox& naval,
                  platform::ListBox& patrols);
    void loadPlotPicture(const QString& file);
    static int selectedGroup(const platform::ListBox& list);
    // The detail of the group picked in a side list, from the tables of the side that `sideLabel`
    // names (the defender's for List2 and List3, the attacker's for the others).
    static void showDetail(const platform::Label& sideLabel, const platform::ListBox& list,
                           QString (*detail)(int side, int group));
};
