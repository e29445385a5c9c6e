// The aircraft editor "Genera Schede Aerei": one aircraft type entered from its historical data,
// rated as it is entered, saved as an aircraft card; cards opened again into a list, previewed
// four to a sheet and printed as a list.
#pragma once

#include "platform/Dialogs.h"
#include "platform/Form.h"

#include <functional>

class Form_Aerei : public platform::Form {
  public:
    Form_Aerei();
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload(int& cancel) override;

    // Pick lists.
    void Combo2AereiLoad();
    void Combo1AereiLoad();
    void Combo3AereiLoad();

    // Rating and reset.
    void LoadRoleTables();
    void FillCountLists();
    void ClearAircraftLists();
    void ClearWeaponProducts();
    void SumWeapons();
    void ComputeAircraftFactors();
    void ComputeAircraftCost();
    void ResetAircraftForm();

    // The card.
    void FormToAircraftData();
    void WriteAircraftCard();
    void AircraftDataToForm();

    // Preview and printed list.
    void FillAircraftPreview();
    void StampaTitolo();
    void StampaLista();

    // Entry handlers.
    void Combo2_Click();  // the nation (tip "NAZIONALITA'")
    void Combo2_Change(); // the nation (tip "NAZIONALITA'")
    void Combo1_Click();  // the maker (tip "FABBRICA")
    void Combo3_Click();  // the type (tip "TIPOLOGIA")
    void Combo11_Click(); // the year of entry into service
    void WeaponCount_Click(int weaponClass);
    void Combo10_Click();          // torpedoes carried (tip "SILURI IMBARCATI")
    void Text1_Change();           // the official or code name
    void Text2_Change();           // the real range in km
    void Text3_Change();           // the war load in kg
    void Text4_Change();           // the real speed in km/h
    void Option1_Click(int index); // night flying: "notturno SI" (0), "notturno NO" (1)
    void Check3_Click();           // " Imbarcato su unità da guerra"
    void Check4_Click();           // "Solo Idro (senza ruote)"
    void Command1_Click();         // "L'esperto dice........"
    void Command2_Click();         // "Salva"
    void Command7_Click();         // "Chiude"
    void Label10_Click();          // the judgement's average; a click shows the help text
    void Label10_Change();         // the judgement's average; a click shows the help text

    // Opened cards and the printed list.
    void Command5_Click(); // "Apri File"
    // The cards opened (tip "Lista degli aerei selezionati"); a pick shows one.
    void List1_Click();
    void Command3_Click(); // "Reset Form"
    void Command6_Click(); // "Elimina File"
    void Command4_Click(); // "Stampa 4 Moduli"
    void Command8_Click(); // "StampaLista"
    void Image2_Click();   // adds the card shown to the print list, a click a line
    void Image3_Click();   // prints the whole list

    // ---------------------------------------------------------------- controls
    platform::Frame Frame1{*this, "Frame1", "Anagrafica"};
    // Captions of the three lists, in the words of their tool-tips.
    platform::Label Label48{Frame1, "Label48", QStringLiteral("NAZIONALITA'")};
    platform::Label Label49{Frame1, "Label49", QStringLiteral("FABBRICA")};
    platform::Label Label50{Frame1, "Label50", QStringLiteral("TIPOLOGIA")};
    platform::ComboBox Combo2{Frame1, "Combo2"}; // the nation (tip "NAZIONALITA'")
    platform::Image Image1{Frame1, "Image1"};    // the nation's flag
    platform::TextBox Text1{Frame1, "Text1"};    // the official or code name
    platform::ComboBox Combo1{Frame1, "Combo1"}; // the maker (tip "FABBRICA")
    platform::ComboBox Combo3{Frame1, "Combo3"}; // the type (tip "TIPOLOGIA")
    // Night flying: "notturno SI" (0), "notturno NO" (1)
    platform::ControlArray<platform::OptionButton> Option1;
    platform::CheckBox Check3{Frame1, "Check3", QStringLiteral(" Imbarcato su unità da guerra")};
    platform::CheckBox Check4{Frame1, "Check4", QStringLiteral("Solo Idro (senza ruote)")};
    platform::Label Label9{Frame1, "Label9", QStringLiteral("ANNO di entrata in servizio")};
    platform::ComboBox Combo11{Frame1, "Combo11"}; // the year of entry into service
    platform::Label Label8{Frame1, "Label8",
                           QStringLiteral("Autonomia in Km  -  dati ufficiali -      Velocità Kmh")};
    platform::TextBox Text2{Frame1, "Text2"}; // the real range in km
    platform::TextBox Text4{Frame1, "Text4"}; // the real speed in km/h

    platform::Frame Frame2{*this, "Frame2", "Giudizio "};
    platform::CommandButton Command1{Frame2, "Command1", QStringLiteral("L'esperto dice........")};
    // The judgement's average; a click shows the help text.
    platform::Label Label10{Frame2, "Label10"};
    platform::Label Label25{Frame2, "Label25", QStringLiteral("su 14")};

    platform::Frame Frame3{*this, "Frame3", "Armamento e Carico"};
    platform::ComboBox Combo4{Frame3, "Combo4"}; // guns over 37 mm, "x 2.9"
    platform::ComboBox Combo5{Frame3, "Combo5"}; // guns of 33 to 37 mm, "x 2.6"
    platform::ComboBox Combo6{Frame3, "Combo6"}; // guns of 28 to 32 mm, "x 2.4"
    platform::ComboBox Combo7{Frame3, "Combo7"}; // guns of 21 to 27 mm, "x 2.1"
    platform::ComboBox Combo8{Frame3, "Combo8"}; // guns of 15 to 20 mm, "x 1.8"
    platform::ComboBox Combo9{Frame3, "Combo9"}; // light machine guns, "x 1.2"
    platform::Label Label1{Frame3, "Label1", QStringLiteral("  Cann. Oltre 37mm          x 2.9")};
    platform::Label Label2{Frame3, "Label2", QStringLiteral("  da 33mm a 37mm          x 2.6")};
    platform::Label Label3{Frame3, "Label3", QStringLiteral("  da 28mm a 32mm          x 2.4")};
    platform::Label Label4{Frame3, "Label4", QStringLiteral("  da 21mm a 27mm          x 2.1")};
    platform::Label Label5{Frame3, "Label5", QStringLiteral("  da 15mm a 20mm          x 1.8")};
    platform::Label Label6{Frame3, "Label6", QStringLiteral("  Mitragliatrici Legg.         x 1.2")};
    platform::Label Label7{Frame3, "Label7",
                           QStringLiteral("    Kg. Bombe                                  Num.Siluri")};
    platform::TextBox Text3{Frame3, "Text3"};      // the war load in kg
    platform::ComboBox Combo10{Frame3, "Combo10"}; // torpedoes carried (tip "SILURI IMBARCATI")
    platform::CheckBox Check2{Frame3, "Check2", QStringLiteral("Bombardiere")};
    platform::CheckBox Check1{Frame3, "Check1", QStringLiteral("Silurante")};

    // The cards opened (tip "Lista degli aerei selezionati"); a pick shows one.
    platform::ListBox List1{*this, "List1"};
    platform::ListBox List2{*this, "List2"}; // the card files behind List1 (hidden)

    platform::Frame Frame4{*this, "Frame4", "Riepilogo Dati elaborati"};
    // Adds the card shown to the print list, a click a line.
    platform::Image Image2{Frame4, "Image2"};
    platform::Label Label43{Frame4, "Label43"}; // lines sent to the printer
    platform::Label Label11{Frame4, "Label11"}; // the nation code
    platform::Image Image3{Frame4, "Image3"};   // prints the whole list
    platform::Label Label12{Frame4, "Label12"}; // the name
    platform::Label Label13{Frame4, "Label13"}; // the maker
    platform::Label Label14{Frame4, "Label14"}; // the type
    platform::Label Label44{Frame4, "Label44"}; // "Imbarcato" or "Non Imbarcato"
    platform::Label Label45{Frame4, "Label45"}; // "Idro" or "Non idro"
    platform::Label Label15{Frame4, "Label15"}; // the year of entry into service
    platform::Label Label23{
        Frame4, "Label23",
        QStringLiteral(" DATI INSERITI                                                     DATI ELABORATI")};
    platform::Label Label47{Frame4, "Label47", QStringLiteral("VOLO NOTTURNO  si/no")};
    platform::Label Label46{Frame4, "Label46"}; // night flying, "S" or "N"
    // Summary table: entered values (left), captions (middle), rated values (right).
    platform::Label Label16{Frame4, "Label16"}; // entered: range in km
    platform::Label Label17{Frame4, "Label17"}; // entered: judgement
    platform::Label Label18{Frame4, "Label18"}; // entered: armament total
    platform::Label Label19{Frame4, "Label19"}; // entered: bombs in kg
    platform::Label Label20{Frame4, "Label20"}; // entered: torpedoes
    platform::Label Label21{Frame4, "Label21"}; // entered: speed in km/h
    platform::Label Label22{Frame4, "Label22"}; // the cost
    platform::Label Label24{Frame4, "Label24", QStringLiteral("AUTONOM. Turni Auton >  TA")};
    platform::Label Label26{Frame4, "Label26", QStringLiteral("GIUDIZIO                        >  GI")};
    platform::Label Label27{Frame4, "Label27", QStringLiteral("ARMAMENTO     Fatt.att. > FA")};
    platform::Label Label28{Frame4, "Label28", QStringLiteral("  Fatt. difesa > FD")};
    platform::Label Label29{Frame4, "Label29", QStringLiteral("Peso Mitragliamento >  PM")};
    platform::Label Label30{Frame4, "Label30", QStringLiteral("BOMBE       Carico Differ. > CD")};
    platform::Label Label31{Frame4, "Label31", QStringLiteral("SILURI IMBARCATI          > SL")};
    platform::Label Label40{Frame4, "Label40", QStringLiteral("VELOCITA' ORARIA         > KM")};
    platform::Label Label41{Frame4, "Label41", QStringLiteral("< COSTO   *    DISPONIBILITA' > ")};
    platform::Label Label32{Frame4, "Label32"}; // rated: autonomy in turns, TA
    platform::Label Label33{Frame4, "Label33"}; // rated: judgement, GI
    platform::Label Label34{Frame4, "Label34"}; // rated: attack factor, FA
    platform::Label Label35{Frame4, "Label35"}; // rated: defence factor, FD
    platform::Label Label39{Frame4, "Label39"}; // rated: strafing weight, PM
    platform::Label Label36{Frame4, "Label36"}; // rated: differentiated load, CD
    platform::Label Label37{Frame4, "Label37"}; // rated: torpedoes, SL
    platform::Label Label38{Frame4, "Label38"}; // rated: speed, KM
    platform::Label Label42{Frame4, "Label42"}; // the availability

    platform::Frame Frame5{*this, "Frame5", "Gestione File"};
    platform::CommandButton Command5{Frame5, "Command5", QStringLiteral("Apri File")};
    platform::CommandButton Command6{Frame5, "Command6", QStringLiteral("Elimina File")};

    platform::CommandButton Command2{*this, "Command2", QStringLiteral("Salva")};
    platform::CommandButton Command3{*this, "Command3", QStringLiteral("Reset Form")};
    platform::CommandButton Command4{*this, "Command4", QStringLiteral("Stampa 4 Moduli")};
    platform::CommandButton Command7{*this, "Command7", QStringLiteral("Chiude")};
    platform::CommandButton Command8{*this, "Command8", QStringLiteral("StampaLista")};
    platform::Label Label51{*this, "Label51"}; // where the last card was saved

    platform::FileDialog CommonDialog1;

  private:
    void layOut();
    void connectHandlers();
    platform::ComboBox& weaponList(int weaponClass);
    void setFlagPicture(platform::Image& image, const QString& code);
    void recomputeAutonomy();
    void updateSaveCommand();
    // Runs a rating step that may refuse its entry as out of scale: a refusal empties the value
    // the step shows and the cost, and holds the save; the message goes on to the player.
    void rateOrRefuse(bool& refused, platform::Label& shown, const std::function<void()>& step);
    void deriveLoadMarks();
    void showEntryMode();
    void clearForNewAircraft();
    void setListFlagsActive(bool active);
    bool showCard(const QString& path);
    int unloadMode_ = platform::vbFormCode;
    // A range, speed or war load refused as out of scale: the values it would give are not
    // shown, and no card is saved, until a value that fits is entered.
    bool autonomyRefused_ = false;
    bool autonomyMissing_ = false; // a range or a speed typed that gives no autonomy
    bool loadRefused_ = false;
};
