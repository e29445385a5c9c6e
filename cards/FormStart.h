// The start window of Torvcard: sets the program's folders and default data year, makes the
// ship-card folder, and opens the ship editor or the aircraft editor.
#pragma once

#include "platform/Form.h"

class FormStart : public platform::Form {
  public:
    FormStart();
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload(int& cancel) override;

    platform::Label Label1{*this, "Label1", "Torvcard  * Creazione e stampa schede per Regole Navali"};
    platform::Label Label2{*this, "Label2", "Navi e Aerei della Guerra nel Mediterraneo 1940-1942"};
    platform::Label Label3{*this, "Label3", "Rel. 2.00 2004"};
    platform::Image Image2{*this, "Image2"}; // ship editor
    platform::Image Image1{*this, "Image1"}; // aircraft editor
    platform::Image Image3{*this, "Image3"}; // decoration

    void Image2_Click(); // the ship archive: opens the ship editor (tip "ARCHIVIO NAVI")
    // The aircraft archive: opens the aircraft editor (tip "ARCHIVIO AEREI")
    void Image1_Click();

  private:
    int unloadMode_ = platform::vbFormCode;
};

// Opens the aircraft editor (modeless); true when it is open, and the start window then unloads.
bool openAircraftEditor();
