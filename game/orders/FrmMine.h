// The side in play lays mines in the 24 mine fields at one o'clock, one acquisition point a mine:
// a field is picked in the list, then fifty mines or as many as fill it are bought.
#pragma once

#include "platform/Form.h"

// The working values of FrmMine, kept with its controls when an action fails.
struct FrmMineValues {
    // Worked out before every action; the mines added to the field since it was picked.
    long long PointsAvailable = 0;
    int MinesAdded = 0;
};

class FrmMine : public platform::FormWith<FrmMineValues> {
  public:
    FrmMine();
    void Form_Load() override;

    void List1_Click();    // the 24 mine fields; a pick shows the field
    void Command1_Click(); // "&50"
    void Command2_Click(); // "&600"

    void ListaCampiMinati();
    void MostraCampoMinato();
    void CalcolaPuntiDisponibili();
    void PuntiDisponibiliAlleati();
    void PuntiDisponibiliAsse();

    platform::ListBox List1{*this, "List1"}; // the 24 mine fields; a pick shows the field
    // Points available, the field picked, mines added, mines laid, hits in the field.
    platform::ControlArray<platform::Label> Label1;
    platform::CommandButton Command1{*this, "Command1", "&50"};
    platform::CommandButton Command2{*this, "Command2", "&600"};
    platform::Label Label2{*this, "Label2",
                           "Costo di ogni mina 1 punto  -Percentuale di colpire da 1 al 2/1000"};

  private:
    // Both buttons off: nothing can be bought.
    void disableBuying();
    void buy(int amount);
    void showPoints();
};
