// The game's main window: the map with every panel floating over it, the clock and weather,
// the side cycle, the menus. The order panels' handlers live in game/orders, the combat
// commands' in game/combat, the points and supervisor menus' in game/points.
#pragma once

#include "HourButton.h"
#include "platform/Layout.h"

#include <QImage>
#include <QPoint>
#include <QSizeF>
#include <utility>
#include <vector>

struct HourOutcome;
struct UnitCard;
struct CardFrame;

// The working values of FrmMain, kept with its controls when an action fails.
struct FrmMainValues {
    bool hourUndoneAtOpen_ = false;
    QString shipsReturnedAtOpen_;
    bool loaded_ = false;
    std::vector<std::pair<platform::Control*, QPoint>> designSpots_;
    bool unloading_ = false;
    bool messageLineOwner_ = false;
    // The map-edge entry that the next map press places: 0 none, 4 Alexandria, 5 Gibraltar.
    int EntryMode = 0;
    // Private working values of the order panels that "&Chiudi" clears.
    int IndiceAereo = 0;
    int panelWorkA = 0;
    int panelWorkB = 0;
    // Form variables of the map, 0 at load.
    int TargetOutOfRange = 0; // the order panels refused the pressed point as out of range
    int PopupShowsShips = 0;  // List12 lists the ships of a group
    int PopupShipRecord = 0;  // the ship record picked in List12
    int ReactionTime = 0;     // distance of the entering group from the map edge
    int EntryY = 0;           // its entry y
    // The map point the pointer last moved over; the label is refreshed from it after an action.
    double hoverX_ = -1, hoverY_ = -1;
    // 1 when a press in mode 3 found nothing to confirm; cleared by every pointer move.
    int pickBlocked_ = 0;
    QImage cleanMap_;
    // The activity circles Image27 has drawn (it starts from 0 each time; the panels reset it).
    int ActivityCircleCount = 0;
    // The group picked in List2 and the side it was picked for: the row that the orders, the speed
    // and the course write (0 none). SelectedItem cannot serve, since other lists and the map reuse it.
    int PickedGn = 0;
    int PickedGnSide = 0;
    // The colour of the route plot, as decimal text.
    QString RoutePlotColour;
    QString shownRefusal_;
    // Why the carrier last picked may not launch, in the game's words; empty when it may or when
    // the ship picked is no carrier.
    QString carrierRefusal;
    int GnPortaereiDa = 0;
    int GnPortaereiA = 0;
    // The group "Apri GN" opened (0 while none is open).
    int OpenGn = 0;
    // Form variables of the air panel.
    int ModoPlot = 0;        // 2 while the routes of the groups are plotted
    int CaricoEccessivo = 0; // the last payload check found the load too heavy
    int ContactTime = 0;     // STB1 of the contact picked in List10
    int FireModifier = 0;    // 1 when the enemy group picked in List10 has fires
    int OperatingMargin = 0; // hours left for the search at the target
    int ContactRecordNumber = 0;
    int ActivityRecordNumber = 0;
    int AirTargetRefused = 0; // 1 when the last target of the order in preparation was refused
    // The aircraft line picked in List1: its record (the buffer holds it) and whether the attempt of
    // the group ready now was counted, so that only a counted attempt is given back.
    int pickedAircraftLine_ = 0;
    bool attemptCounted_ = false;
    HourLock hourLock_ = HourLock::None;
    long long boardClosedHour_ = -1; // the game's day and hour whose contacts the board released
    std::vector<int> foughtContacts_;
    long long foughtHour_ = -1; // the game's day and hour the marks belong to
};

class FrmMain : public platform::FormWith<FrmMainValues> {
  public:
    FrmMain();
    ~FrmMain() override;

    void Form_Load() override;
    void Form_Resize() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload(int& cancel) override;

    // ---------------------------------------------------------------- start-up and side cycle
    void UnloadAllForms();
    void Command17_Click(); // " APRI MENU PRINCIPALE"
    void Command5_Click();  // "1 a&lle"
    void Command6_Click();  // "2  a&sse"
    void Command4_Click();  // "&Chiudi"
    void DisabilitaBasiEsterne();
    void AbilitaBasiEsterne();
    void MostraBandieraLato();
    void ChiudiPannelloLato();
    void ColoraBasiEsterne();

    // ---------------------------------------------------------------- display, clock and weather
    // Day or night and the weather of the hour (dayAndWeather), then the clock panel.
    void AggiornaDisplay();
    // The clock, the weather panel and the day-or-night icons as the game state holds them.
    void showClock();
    // The weather icon; a click shows the weather panel (tip "Mostra Meteo")
    void Image1_Click();
    void Image17_Click(); // hides the weather panel (tip "Nascondi Meteo")

    // True once Form_Load has run to its end (a campaign is open in the window).
    bool campaignOpen() const { return loaded_; }
    // True when the opening undid an hour that had been cut short.
    bool hourUndoneAtOpen() const { return hourUndoneAtOpen_; }
    // What the opening told of the ships it returned to port (empty when none).
    const QString& shipsReturnedAtOpen() const { return shipsReturnedAtOpen_; }

  private:
    void AggiornaTitolo();
    // Both side buttons: the side takes the screen.
    void takeSide(int side);
    // The contact board windows leave when a side takes the screen or closes.
    void unloadContactBoard();
    // Loads and shows the contact board with its plot window; the board gives the hour button back
    // when it closes.
    void showContactBoard();
    // What the hour shows in the window while it runs.
    class HourPanel;
    // The window after an hour that was undone, and the player told why.
    void showHourUndone(const HourOutcome& outcome);
    // Back to the start window, the campaign closed without ending the program.
    void closeCampaign();
    // Fills the payload combos of the air panel.
    void CaricaComboAerei();
    void buildLayout();
    void loadDesignPictures();
    // Design size of the map area (twips). The controls over the map keep their place on the map
    // as it grows with the window: each has its spot at the design size (twips), scaled with the map.
    static constexpr int kDesignWidth = 18495;
    static constexpr int kDesignHeight = 10815;
    // The map drawn in its proportions from the top left of a picture box of that size, and the
    // map as drawn now (twips).
    QSizeF mapInProportion(int width, int height) const;
    QSizeF drawnMap() const;
    // Twips of the map per map unit at the design size.
    double designTwipsPerMapUnit() const;
    // The spot of a control, scaled with the map and kept inside the picture box.
    void placeScaled(platform::Control& c, QPoint spot);
    // The map picture and the message line given to the rules while the window is open.
    void releaseSeams();

  public:
    // ================================================================ hourly step
    // The hour button (tip "RUN TIME (assicurarsi che tutti abbiano mosso)")
    void Command22_Click();
    // A press on the hour button while it is held: the reason on the message line.
    void Command22_MouseDown();
    void Command23_Click(); // the contact button (tip "CONTROLLO CONTATTI E ATTACCO ")
    // The hour button free or held, its tool-tip saying why it is held.
    void setHourLock(HourLock lock);
    HourLock hourLock() const { return hourLock_; }
    // The control on the screen that takes the side at the screen on towards the end of its turn:
    // the side panel's "&Chiudi", or the button that ends the work that hides the side panel; null
    // when there is none.
    const platform::Control* sideWayOn() const;
    // The reason of a held hour button, naming the way on while a side holds the screen.
    QString hourLockReason() const;
    void RunTime();
    // The circles of this hour's activities.
    void CircleAttivita();
    // Fills List7 with the own groups near the open naval group.
    void TestoListaGN();
    // The mission timing of the working air group in the air panel.
    void OrarioGA();

    // ================================================================ map, pop-up list, unit cards,
    // base panel and overlays (game/main/FrmMain_map*.cpp)

    // The map: presses, pointer moves, clicks and double-clicks, in map units.
    void PicBitMap_MouseDown(int button, int shift, double x, double y);
    void PicBitMap_MouseMove(int button, int shift, double x, double y);
    void PicBitMap_Click();
    void PicBitMap_DblClick();
    // The inner boxes of the bases on the map.
    void RidisegnaBasi();
    // Arms the entry strip of the Allied group SelectedItem waiting off the map.
    void IngressoGN();
    // Draws the entry marker of the armed strip again.
    void CancellaAreaIngresso();

    // The pop-up list of the groups under a press and the list of groups a patrol may cover.
    void List11_Click();    // the groups a CAP may cover (tip "Sele zionare il GN da impegnare ")
    void List12_Click();    // the map's pop-up list of the groups under a press
    void List12_DblClick(); // the map's pop-up list of the groups under a press
    // The filter buttons of the air-group and naval-group lists; both wipe the map's drawings.
    // The air-list filter: "TUTTI", "IntAtt", "RiPaCp", "DecRie", "Stres"
    void Option1_Click(int index);
    void Option2_Click(int index); // the naval-list filter: "Altri", "Patrol"
    // The clean map: the naval and air views keep the map with their standing marks, and the map is
    // put back to it to wipe routes, circles and target lines. With none kept the map is reloaded.
    void keepCleanMap();
    void restoreCleanMap();

    // The unit card: the ships of a group in the pop-up list, a ship's card (from the pop-up list or
    // from a ship list of the panels), an aircraft type's card.
    void ListaNaviGN();
    void SchedaNave();
    void SchedaNaveDaLista();
    void SchedaAereo();
    void PicShip_Click();

    // The base panel of SelectedBase.
    void AttivazioneBasi();
    void MostraPannelloBase();
    void AggiornaDatiBase();
    // The lists of the base and naval panels: aircraft at the base (channel 1 left open), ships in
    // port and of the group being formed (channel 2 left open), ships of the open group.
    void ListaAereiBase();
    void ListaNaviBaseGN();
    void ElencoNaviGN();
    // A hover label left on view while the player works a panel shows the values as they are now.
    void refreshHoverText();
    // The hover label parked off the map, empty, as a pointer move over empty sea leaves it.
    void parkHoverLabel();
    // What a side at the screen leaves on view of its work, wiped before the other side sees the
    // screen: the hover label, the message line, the pointer's coordinates and the unit card.
    void clearSideTraces();
    // A mode button leaves the other modes' panels: the unit card and the hover label go.
    void leaveModePanels();

    // The controls placed beside a point of the map (map units), so that they keep to it when the
    // window changes size.
    void placeOnMap(platform::Control& c, double x, double y);

  private:
    // The header lines and placeholder picture of a card, then the values of one unit into Frame11.
    void showCardFrame(const CardFrame& frame);
    void showUnitCard(const UnitCard& card);
    // The hover label showing `text`, as high as its lines.
    void showHoverText(const QString& text);
    // What the hover label says at a map point: the base and naval groups there (the message line
    // repeats them), the air groups in air mode, whether it is framed and beside what it goes.
    struct HoverText {
        QString places;
        QString air;
        bool framed = false;
        bool placed = false;
        double x = 0, y = 0;
    };
    HoverText hoverTextAt(double x, double y) const;

  public:
    // ---------------------------------------------------------------- (end of the map's handlers)

    // ================================================================ menus, help pictures and the
    // automatic-resolution switches (game/main/FrmMain_menus.cpp)
    void wireMenuHandlers();
    // File menu: "Chiudi   " ends the program; "Reset Menu Principale" gives the main-menu button
    // back and abandons a group being formed (its ships go back to port).
    void MnFileChiudi_Click();
    void mnFileReset_Click();
    // The help items show their picture in Picture1; a click on it hides it.
    void MostraHelp(const QString& picture);
    void Picture1_Click(); // the help picture; a click hides it
    // Automatic resolution of air strikes on bases, patrol attacks and naval bombardments.
    void Check5_Click(); // automatic air strikes on bases (tip "BOMB. AEREO AUTO/MANUALE")
    void Check6_Click(); // automatic patrol attacks (tip "PATROL AUTO/MANUALE ")
    void Check7_Click(); // automatic naval bombardments (tip "BOMB. NAVALE AUTO/MANUALE")
    // "ATTACCA con &GN:" commits the side's group against the contact picked in List9;
    // "C&HIUDI" closes the contact panel.
    void Command19_Click(); // "ATTACCA con &GN:"
    void Command18_Click(); // "C&HIUDI"
    // Opening "Acquisizione Mezzi   " enables the command submenu of the side in play.
    void MnAcq_Click();

    // ---------------------------------------------------------------- marks and overlays
    // (game/main/FrmMain_overlays.cpp)
    // The marks of the side's naval groups and the boxes and numbers of the enemy groups it saw;
    // draws only while GroupMarksFlag is 1.
    void TracciaGNAmici();
    void Image25_Click(); // the sea state icon
    void Image26_Click(); // the wind icon
    void Image27_Click(); // the zones of the last 120 activities
    void Image29_Click(); // the contacts and activities of the last hour
    void Image30_Click(); // the bases' EVV radius and the shallow waters
    void Label1_Click();  // the pointer's map point; a click rolls a percentile die there
    // The message line: a click draws the mine fields, a double-click lays mines at one o'clock.
    void Label17_Click();
    void Label17_DblClick();
    // The phase code ("STP" at rest), then the activities: a click circles the hour's, a double-click the
    // last 120.
    void Label29_Click();
    void Label29_DblClick();
    // Days passed / days left; a double-click enables the supervisor menu.
    void Label31_DblClick();
    void Label64_Click(); // ships sunk in the last hour
    void Label95_Click(); // "NAVI   MINE": the mine fields and mine laying

    // ---------------------------------------------------------------- (end of the menus' handlers)

    // ================================================================ naval groups: list, orders,
    // course, route plot (game/orders/FrmMain_naval*.cpp)
    // "&Navi - GN": naval mode for the side at the keyboard.
    void Command3_Click(); // "&Navi - GN"
    // Fill List2 with the side's groups under the list filter and draw every group of the side;
    // the working naval group is left as it was.
    void ListaGNAlleati();
    void ListaGNAsse();
    // A group picked in List2 becomes the working group; a double-click tells its make-up.
    void List2_Click();    // the side's naval groups; a double-click tells a group's make-up
    void List2_DblClick(); // the side's naval groups; a double-click tells a group's make-up
    void IconaStatoGN();
    // The detail line of a working group off the map.
    void DettaglioGN();
    // Order, speed and route hours of the picked group.
    void Combo5_Click(); // the group's order (tip "Ordine di Gruppo")
    void Combo6_Click(); // the group's knots (tip "Nodi di Gruppo ...")
    void Combo7_Click(); // route hours, "TRN Rotta"
    // Route hours are typed as digits only; Enter takes what is typed as a pick from the list.
    void Combo7_KeyPress(int& keyAscii);
    // The course pad: NO, N, NE, O, STP, E, SO, S, SE.
    void Label19_Click(); // "NO"
    void Label20_Click(); // "N"
    void Label21_Click(); // "NE"
    void Label22_Click(); // "O"
    void Label23_Click(); // "STP"
    void Label24_Click(); // "E"
    void Label25_Click(); // "SO"
    void Label26_Click(); // "S"
    void Label27_Click(); // "SE"
    // Stores the working group's course and route hours.
    void CambiaRottaGN();
    // Hide the course pad and route-plot buttons; show the side and clock panels.
    void NascondiRotta();
    void MostraLatoOra();
    void Image31_Click(); // fires on board the enemy group picked

  private:
    // The picked group when it is still a group in use of the side in play, else 0 with the
    // refusal on the message line.
    int pickedGroup();
    // A refusal on the message line, taken off again by the next change that is written.
    void refuse(const QString& why);
    void clearRefusal();
    void fillNavalList(int side);
    void refillNavalList();
    void setCourse(int course);
    // The speed and order combos show a group's values without raising their clicks (blank for a
    // value they do not list).
    void showKnots(int knots);
    void showOrder(int order);
    // The clean map with the standing marks of naval mode: base squares, the side's groups with
    // their symbols, the enemy groups seen.
    void drawNavalMap();

  public:
    // ---------------- route plot and reconnaissance areas (game/orders/FrmMain_route.cpp)
    // "1": the route of the picked group, a box a route hour in RoutePlotColour.
    void Command13_Click(); // "1"
    // "T": the routes of every group of the side; the course pad is disabled meanwhile.
    void Command21_Click(); // "T"
    // "Un-Plot": naval mode again, the map without the routes.
    void Command14_Click(); // "Un-Plot"
    // "&reset>": the clean map with the base squares, then naval mode.
    void Command16_Click(); // "&reset>"
    // The colour of the next route plot: green, magenta, white (with the group numbers).
    void Label61_Click(); // green route colour
    void Label62_Click(); // magenta route colour
    void Label63_Click(); // white route colour, the default, with the group numbers
    // The areas of the side's reconnaissance flights.
    void Image7_Click(); // the motion icon of the group; a click plots the reconnaissance areas

  private:
    void chooseRouteColour(platform::Label& chosen, long colour);

  public:
    // ---------------------------------------------------------------- (end of the naval handlers)

    // ================================================================ ships of the open group, split,
    // merge, scuttling, carriers (game/orders/FrmMain_ships*.cpp)
    // "Apri GN" opens the group picked in List2: its ships in List5, the own groups near it in List7
    // and the group tools; "Chiudi GN" closes it and ends a split under way.
    void Command11_Click(); // "Apri GN"
    void Command12_Click(); // "Chiudi GN"
    // A ship of the open group: its card, its state icon and, for a carrier at sea, the launch data
    // (the side's ship file stays open on channel 2 with the ship in the record buffer). A
    // double-click during a split moves the ship into the new group.
    void List5_Click();    // the ships of the open group
    void List5_DblClick(); // the ships of the open group
    // A ship of the split-off group or of the near group: its card.
    void List6_Click(); // the ships of the split-off or near group
    // A near group: boxed on the map, its ships in List6, picked for a merge.
    void List7_Click(); // own groups near the open group (tip "GN AMICI VICINI ...")
    // The group tools: a new group split off the open one, the near group picked merged into it,
    // the open group's text file.
    void Image12_Click(); // new group split off the open one
    void Image13_Click(); // merge the near group picked into the open one
    void Image14_Click(); // write the open group's text file (tip "Crea File GN.Txt ")
    // Carriers: the launch data of the carrier in the record buffer (SelectedShip); the air groups
    // of the carriers of naval group GnPortaereiDa moved to GnPortaereiA; the air groups of carrier
    // SelectedShip recalled when it docks.
    void DatiPortaerei();
    void GAPortaereiGN();
    void RichiamaGAPortaerei();

  private:
    // The open group while it is still a group in use of the side in play, else 0.
    int openGroup() const;
    // The ships present and the capacity of the base under the open group, or "SCHEDA NAVE" at sea.
    QString portShipsCaption() const;
    // Shows the card of ship `record` of the side's ship file (left open on channel 2) with the card
    // at a design spot (twips) beside the list it was picked from.
    bool showShipCard(int record, int left, int top);

  public:
    // ---------------------------------------------------------------- carrier launch window
    // (game/orders/FrmMain_carrierLaunch.cpp)
    // The carrier icon: the launch window of the carrier picked in List5, when it may launch.
    void Image18_Click(); // the carrier icon: launch from the carrier picked
    // ---------------------------------------------------------------- (end of the carrier launch)

    // ---------------------------------------------------------------- (end of the ship handlers)

    // ================================================================ the open group's tools on one
    // ship: scuttling, assistance, damage entry, class card (game/orders/FrmMain_shipTools.cpp)
    void Image15_Click();    // scuttle the ship picked (double-click, for good)
    void Image15_DblClick(); // scuttle the ship picked (double-click, for good)
    void Image16_Click();    // give or take assistance to a ship in trouble (double-click)
    void Image16_DblClick(); // give or take assistance to a ship in trouble (double-click)
    void Command27_Click();  // "Inserisci Danni"
    void Label5_Click();     // the ship's record number; a click shows its card

  private:
    // The record number of the ship highlighted in List5, 0 when none is.
    int highlightedGroupShip() const;

  public:
    // ---------------------------------------------------------------- (end of the ship tools)

    // ================================================================ base and port panel, groups
    // formed in port, port orders (game/orders/FrmMain_ports*.cpp)
    // "&Basi": base mode for the side at the keyboard; a press on an own base opens its panel.
    void Command10_Click(); // "&Basi"
    // ">>" and "<< ": from the air base to its port and back.
    void Command7_Click(); // ">>"
    void Command8_Click(); // "<< "
    // GIBILTERRA and ALESSANDRIA: the base and port panel of an off-map Allied base.
    void Label15_Click(); // GIBILTERRA's base and port panel
    void Label16_Click(); // ALESSANDRIA's base and port panel
    // The group formed in port: its number, and its departure ("Vai !(reset)").
    void Label56_Click();  // the number of the group being formed; a click starts one
    void Command2_Click(); // "Vai !(reset)"
    // Ships in port (List3) and of the group being formed (List4): a click shows the card, a
    // double-click moves the ship into the group or back to port.
    void List3_Click();    // ships in port; a double-click moves one into the group
    void List3_DblClick(); // ships in port; a double-click moves one into the group
    // Ships of the group being formed; a double-click sends one back to port.
    void List4_Click();
    void List4_DblClick();
    // The port-order icon shows the order of the ship picked in port.
    void IconaStatoPorto();
    // Docks the ship picked in the open group's list; the class card of the ship picked last.
    void Image11_Click(); // dock the ship picked (tip "ATTRACCA LA NAVE SELEZIONATA IN PORTO")
    // Ships in port, present / most; a click shows the card of the ship picked last.
    void Label76_Click();
    // "Manovre Portuali": open and close, load, unload, refuel, light repair, cancel, dockyard.
    void Image10_Click();    // the port-order icon; a click opens "Manovre Portuali"
    void Command15_Click();  // "Chiudi Man. Port."
    void Image19_Click();    // load (tip "CARICO (solo stiva Cargo)")
    void Image20_Click();    // unload (tip "SCARICO ...")
    void Image21_Click();    // refuel (tip "RIFORNIMENTO (NB: solo Operatività)")
    void Image22_Click();    // light repair (tip "RIPARAZIONE DANNI LIEVI (in porto)")
    void Image23_Click();    // cancel the order (tip "CANCELLA L'ORDINE")
    void Image24_Click();    // dockyard, beyond repair (double-click, for good)
    void Image24_DblClick(); // dockyard, beyond repair (double-click, for good)

  private:
    void openOffMapBase(int base, platform::Label& clicked);
    void showPortShipCard();
    // The map of base mode: base squares, the side's groups and the enemy groups it saw.
    void drawBaseMap();

  public:
    // ---------------------------------------------------------------- (end of the port handlers)

    // ================================================================ air groups: forming, list,
    // orders, contacts (game/orders/FrmMain_air*.cpp)

    // Forming an air group at the base of the base panel (FrmMain_air.cpp): the aircraft line,
    // the activation die, the payload and the launch.
    void List1_Click();                                              // the aircraft at the base
    void List1_MouseMove(int button, int shift, double x, double y); // the aircraft at the base
    void Label49_Click();    // the activation die (tip "  DADO %  - Rest ore12 e ore 24")
    void Label50_DblClick(); // the air group ready to take off; a double-click resets it
    void Label52_Click();    // a click wipes the map and shows the card of the aircraft picked
    // A click wipes the map and shows the card of the aircraft picked.
    void Label52_MouseMove(int button, int shift, double x, double y);
    void Label53_Click(); // total aircraft; a click draws the ranges and the groups seen
    void Combo1_Change(); // number of aircraft, under "N° Aerei"
    void Combo1_Click();  // number of aircraft, under "N° Aerei"
    // Number of bombs (tip "Massimo numero utile anti nave 4 (escluso Patrol)")
    void Combo2_Change();
    void Combo2_Click();
    void Combo3_Change(); // bomb size (tip "Massimo peso consentito anti nave 100")
    void Combo3_Click();  // bomb size (tip "Massimo peso consentito anti nave 100")
    // Torpedoes, or the differentiated load (tip "ATT: Ricognitori e Patrol  NO SILURI! ")
    void Combo4_Change();
    void Combo4_Click();
    // The payload's numbers are typed as digits only.
    static void digitsOnly(int& keyAscii);
    void Command1_Click(); // "Vai !"
    void ControllaCarico();
    void CreaGAAlleati();
    void CreaGAAsse();
    // The aircraft list of the base panel coloured by the weather.
    void ColoraListaAerei();

    // Air mode, the air-group list and the enemy groups sighted (FrmMain_air_list.cpp).
    void Command9_Click(); // "&Aerei - GA"
    void ListaGAAlleati();
    void ListaGAAsse();
    void PulisciDatiMissioneGA();
    void TracciaRicognitori();
    void ContattiAerei();
    void Check1_Click(); // "Plot Raggio"
    void Check2_Click(); // "Mostra GN "
    void Check3_Click(); // "Plot rotta GA"
    void Check4_Click(); // "Plot GN"
    // The thirteen values of the air group picked; a click shows what each is.
    void Label85_Click(int index);
    void Command24_Click(); // "Esegui Ordine"
    void Command25_Click(); // "Annulla"
    void List10_Click();    // enemy formations sighted (tip "Formazioni Nemiche avvistate")
    // Enemy naval groups sighted or in contact (tip "GN  avvistati/contattati")
    void List9_Click();

    // The order of the picked group, its target on the map, its confirmation and its losses
    // (FrmMain_air_orders.cpp).
    void List8_Click();  // the side's air groups in flight (tip "AEREI IN VOLO")
    void Combo8_Click(); // the air order (tip "ORDINE Operativo ...")
    void RicognizionePlot();
    void BombBase();
    void EtaBersaglio();
    void Command20_Click(); // "CONFERMA ORDINE"
    void Command28_Click(); // "D": enter the aircraft damaged
    void Command29_Click(); // "A": enter the aircraft shot down
    // Whether the map press must leave "CONFERMA ORDINE" hidden: in air mode with no order, or
    // with the pressed target refused.
    bool airConfirmationRefused() const;

  private:
    void fillAirList(int side);
    // The range circles of the working air group (CerchioMissione about the range centre).
    void airMissionCircle();
    // The order refused: beep, "Non Permesso" and the reason on the message line, no order in
    // preparation.
    void refuseAirOrder(const QString& caption, const QString& reason);
    void interceptionSetUp();
    // DECOLLO to the pressed point: the flight figures of the way there.
    void takeOffTarget();
    void enterLosses(int column, const QString& title);
    // The payload list's value, held to the list's range.
    int payloadOf(const platform::ComboBox& c) const;
    void colourPayload(platform::ComboBox& c);
    void showTorpedoAdvice();

  public:
    // An air group readied by the activation die, not yet launched nor cancelled.
    bool airGroupReady() const;
    // A naval group being formed in port (the number of a ready air group is held in the same
    // global).
    bool navalGroupForming() const;

  private:
  public:
    // ---------------------------------------------------------------- (end of the air handlers)

    // ================================================================ contact board and combat
    // commands (game/combat/FrmMain_*.cpp)
    // Whether the contact board handed the contact of record `record` to an attack window in this
    // hour, and the mark it sets when it does, so that no contact is fought twice in one hour.
    bool contactFought(int record) const;
    void markContactFought(int record);
    // The contact board closed with "&Chiudi": the hour button is free, and the side cycle does not
    // hold it again for this hour's contacts.
    void contactBoardClosed();
    bool contactBoardClosedThisHour() const;
    // The board gone, by "&Chiudi" or by its title bar: a hold for the open board becomes the hold
    // of the hour's contacts, unless "&Chiudi" released them.
    void contactBoardUnloaded();

  private:
  public:
    // ---------------------------------------------------------------- (end of the combat handlers)

    // ================================================================ points and supervisor menus
    // (game/points/FrmMain_*.cpp)
    void wirePointsHandlers();

    // The supervisor's editors and views (game/points/FrmMain_supervisor.cpp).
    void MnUtilSuperNavi_Click();
    void MnUtilSuperAerei_Click();
    void MnUtilSuperContatti_Click();
    void MnUtilSuperEventi_Click();
    // Ships, aircraft and point transfers of the side's command (game/points/FrmMain_acquisition.cpp).
    void MnAcqGibilterraNavi_Click();
    void MnAcqTarantoNavi_Click();
    void MnAcqGibilterraAerei_Click();
    void MnAcqTarantoAerei_Click();
    void MnAcqTrPuntiAlle_Click();
    void MnAcqTrPuntiAsse_Click();
    void openShipAcquisition(int side);
    void openAircraftAcquisition();
    void openPointTransfers(int side);
    // The carriers' flight line and aircraft, and the objectives (game/points/FrmMain_carriers.cpp).
    void MnAcqGibilterraLinea_Click();
    void MnAlleStatusPort_Click();
    void MnUtilMission_Click();

    // ---------------------------------------------------------------- (end of the points handlers)

    // ================================================================ controls
    // The controls, made by the layout table (FrmMain::layout()) before the members that name them.
    static const platform::Layout<FrmMain>& layout();
    platform::LaidOut laidOut_{*this, layout()};

    // The map fills the window and holds every other control.
    platform::PictureBox& PicBitMap = made("PicBitMap");

    // 1. The unit card.
    platform::Frame& Frame11 = made("Frame11"); // the unit card
    platform::PictureBox& PicShip = made("PicShip");
    platform::Label& Label2 = made("Label2");                         // the card's first header line
    platform::Label& Label3 = made("Label3");                         // the card's second header line
    platform::ControlArray<platform::Label>& Label4 = made("Label4"); // the card's values

    // 2. The help picture.
    platform::PictureBox& Picture1 = made("Picture1"); // the help picture; a click hides it

    // 3. Naval contacts and the naval attack.
    platform::Frame& Frame27 = made("Frame27"); // naval contacts and the naval attack
    // Enemy naval groups sighted or in contact (tip "GN  avvistati/contattati")
    platform::ListBox& List9 = made("List9");
    platform::Label& Label82 = made("Label82"); // course of the enemy group picked
    platform::Label& Label81 = made("Label81"); // the make-up of the enemy group picked
    platform::Label& Label84 = made("Label84"); // own group on the contact picked
    platform::Image& Image28 = made("Image28"); // fires on board the enemy group picked
    platform::CommandButton& Command19 = made("Command19");
    platform::CommandButton& Command18 = made("Command18");

    // 4. Nearby own naval groups.
    platform::Frame& Frame16 = made("Frame16"); // own groups near the open group
    // Own groups near the open group (tip "GN AMICI VICINI ...")
    platform::ListBox& List7 = made("List7");
    platform::ListBox& List6 = made("List6");   // the ships of the split-off or near group
    platform::Frame& Frame17 = made("Frame17"); // the group tools
    platform::Image& Image12 = made("Image12"); // new group split off the open one
    // Merge the near group picked into the open one.
    platform::Image& Image13 = made("Image13");
    // Write the open group's text file (tip "Crea File GN.Txt ")
    platform::Image& Image14 = made("Image14");
    // Scuttle the ship picked (double-click, for good)
    platform::Image& Image15 = made("Image15");
    // Give or take assistance to a ship in trouble (double-click)
    platform::Image& Image16 = made("Image16");

    // 5. The map's pop-up list.
    // The map's pop-up list of the groups under a press.
    platform::ListBox& List12 = made("List12");

    // 6. Naval group for a combat air patrol.
    platform::Frame& Frame18 = made("Frame18");
    // The groups a CAP may cover (tip "Sele zionare il GN da impegnare ")
    platform::ListBox& List11 = made("List11");
    platform::CommandButton& Command24 = made("Command24");
    platform::CommandButton& Command25 = made("Command25");

    // 7-9. Contact board, automatic boxes, hour button.
    // The contact button (tip "CONTROLLO CONTATTI E ATTACCO ")
    platform::CommandButton& Command23 = made("Command23");
    // Automatic naval bombardments (tip "BOMB. NAVALE AUTO/MANUALE")
    platform::CheckBox& Check7 = made("Check7");
    // Automatic patrol attacks (tip "PATROL AUTO/MANUALE ")
    platform::CheckBox& Check6 = made("Check6");
    // Automatic air strikes on bases (tip "BOMB. AEREO AUTO/MANUALE")
    platform::CheckBox& Check5 = made("Check5");
    // The hour button (tip "RUN TIME (assicurarsi che tutti abbiano mosso)")
    platform::CommandButton& Command22 = made("Command22");

    // 10. Map overlays.
    platform::Frame& Frame25 = made("Frame25"); // the map overlays
    platform::CommandButton& Command16 = made("Command16");
    platform::Label& Label79 = made("Label79"); // the activities drawn (tip "Numero Attivita")
    platform::Image& Image30 = made("Image30"); // the bases' EVV radius and the shallow waters
    platform::Image& Image29 = made("Image29"); // the contacts and activities of the last hour
    platform::Image& Image27 = made("Image27"); // the zones of the last 120 activities

    // 11. Port orders.
    platform::Frame& Frame21 = made("Frame21");
    platform::Label& Label6 = made("Label6");
    platform::Image& Image20 = made("Image20"); // unload (tip "SCARICO ...")
    platform::Image& Image19 = made("Image19"); // load (tip "CARICO (solo stiva Cargo)")
    // Refuel (tip "RIFORNIMENTO (NB: solo Operatività)")
    platform::Image& Image21 = made("Image21");
    platform::Image& Image23 = made("Image23"); // cancel the order (tip "CANCELLA L'ORDINE")
    // Light repair (tip "RIPARAZIONE DANNI LIEVI (in porto)")
    platform::Image& Image22 = made("Image22");
    // Dockyard, beyond repair (double-click, for good)
    platform::Image& Image24 = made("Image24");
    platform::Label& Label68 = made("Label68");
    platform::Label& Label69 = made("Label69");
    platform::CommandButton& Command15 = made("Command15");

    // 12. The naval-group panel.
    platform::Frame& Frame12 = made("Frame12");
    platform::Frame& Frame14 = made("Frame14"); // the group list and its order and speed
    // The side's naval groups; a double-click tells a group's make-up.
    platform::ListBox& List2 = made("List2");
    // The group picked, or its distance off the map.
    platform::Label& Label59 = made("Label59");
    // The group's knots (tip "Nodi di Gruppo ...")
    platform::ComboBox& Combo6 = made("Combo6");
    // The group's order (tip "Ordine di Gruppo")
    platform::ComboBox& Combo5 = made("Combo5");
    platform::CommandButton& Command11 = made("Command11");
    platform::CommandButton& Command12 = made("Command12");
    // The naval-list filter: "Altri", "Patrol"
    platform::ControlArray<platform::OptionButton>& Option2 = made("Option2");
    // The motion icon of the group; a click plots the reconnaissance areas.
    platform::Image& Image7 = made("Image7");
    platform::Image& Image8 = made("Image8"); // the ambush icon of the group
    platform::Image& Image9 = made("Image9"); // the trouble icon of the group
    platform::CommandButton& Command27 = made("Command27");
    platform::Frame& Frame20 = made("Frame20"); // the ships of the open group
    // Dock the ship picked (tip "ATTRACCA LA NAVE SELEZIONATA IN PORTO")
    platform::Image& Image11 = made("Image11");
    platform::ListBox& List5 = made("List5"); // the ships of the open group
    // The carrier icon: launch from the carrier picked.
    platform::Image& Image18 = made("Image18");
    // Ships in port, present / most; a click shows the card of the ship picked last.
    platform::Label& Label76 = made("Label76");

    // 13. The port side of the base panel.
    platform::Frame& Frame7 = made("Frame7");
    platform::Label& Label45 = made("Label45");
    platform::Image& Image6 = made("Image6"); // the base level icon
    platform::Image& Image3 = made("Image3"); // the port level icon
    platform::Label& Label47 = made("Label47");
    platform::Label& Label46 = made("Label46"); // points at the base (tip "Punti sulla base")
    // Ships present / most (tip "Navi Pres/Max Navi")
    platform::Label& Label35 = made("Label35");
    platform::CommandButton& Command8 = made("Command8");
    // The ship's record number; a click shows its card.
    platform::Label& Label5 = made("Label5");
    // The port-order icon; a click opens "Manovre Portuali"
    platform::Image& Image10 = made("Image10");
    // Ships in port; a double-click moves one into the group.
    platform::ListBox& List3 = made("List3");
    platform::Label& Label43 = made("Label43"); // the caption over List4
    // Ships of the group being formed; a double-click sends one back to port.
    platform::ListBox& List4 = made("List4");
    platform::Label& Label44 = made("Label44");
    // The number of the group being formed; a click starts one.
    platform::Label& Label56 = made("Label56");
    platform::Label& Label57 = made("Label57");
    // Ships in the group being formed, after "Navi Num:"
    platform::Label& Label58 = made("Label58");
    platform::CommandButton& Command2 = made("Command2");

    // 14. The course pad.
    platform::Frame& Frame5 = made("Frame5");    // the course pad
    platform::ComboBox& Combo7 = made("Combo7"); // route hours, "TRN Rotta"
    platform::Label& Label60 = made("Label60");  // the course given
    platform::Label& Label19 = made("Label19");
    platform::Label& Label20 = made("Label20");
    platform::Label& Label21 = made("Label21");
    platform::Label& Label22 = made("Label22");
    platform::Label& Label23 = made("Label23");
    platform::Label& Label24 = made("Label24");
    platform::Label& Label25 = made("Label25");
    platform::Label& Label26 = made("Label26");
    platform::Label& Label27 = made("Label27");

    // 15. The air-base side of the base panel.
    platform::Frame& Frame4 = made("Frame4");
    platform::Label& Label33 = made("Label33");
    platform::Image& Image2 = made("Image2"); // the base level icon
    platform::Image& Image4 = made("Image4"); // the airfield level icon
    platform::Label& Label37 = made("Label37");
    platform::CommandButton& Command7 = made("Command7");
    platform::Label& Label34 = made("Label34"); // command points (tip "Punti Comando")
    // Aircraft ready / in flight / most (tip "Pronti/Volo/Max Aerei")
    platform::Label& Label36 = made("Label36");
    platform::Label& Label42 = made("Label42");
    // Activation percentage, varying with the weather.
    platform::Label& Label38 = made("Label38");
    platform::Label& Label39 = made("Label39"); // most aircraft in flight at once
    platform::Label& Label40 = made("Label40"); // activation attempts made / allowed
    platform::Label& Label41 = made("Label41"); // the base's aircraft in action
    platform::ListBox& List1 = made("List1");   // the aircraft at the base
    // A click wipes the map and shows the card of the aircraft picked.
    platform::Label& Label52 = made("Label52");
    // Total aircraft; a click draws the ranges and the groups seen.
    platform::Label& Label53 = made("Label53");
    // The activation die (tip "  DADO %  - Rest ore12 e ore 24")
    platform::Label& Label49 = made("Label49");
    // The air group ready to take off; a double-click resets it.
    platform::Label& Label50 = made("Label50");
    platform::Frame& Frame10 = made("Frame10");
    platform::Label& Label51 = made("Label51");
    platform::ComboBox& Combo1 = made("Combo1"); // number of aircraft, under "N° Aerei"
    // Number of bombs (tip "Massimo numero utile anti nave 4 (escluso Patrol)")
    platform::ComboBox& Combo2 = made("Combo2");
    // Bomb size (tip "Massimo peso consentito anti nave 100")
    platform::ComboBox& Combo3 = made("Combo3");
    platform::Label& Label55 = made("Label55");
    // Torpedoes, or the differentiated load (tip "ATT: Ricognitori e Patrol  NO SILURI! ")
    platform::ComboBox& Combo4 = made("Combo4");
    platform::CommandButton& Command1 = made("Command1");
    platform::Label& Label54 = made("Label54");

    // 16. The off-map Allied bases.
    platform::Frame& Frame2 = made("Frame2");
    platform::Label& Label16 = made("Label16"); // ALESSANDRIA's base and port panel
    platform::Frame& Frame1 = made("Frame1");
    platform::Label& Label15 = made("Label15"); // GIBILTERRA's base and port panel

    // 17. Route plot.
    platform::Frame& Frame15 = made("Frame15"); // the route plot
    platform::CommandButton& Command13 = made("Command13");
    platform::CommandButton& Command21 = made("Command21");
    platform::CommandButton& Command14 = made("Command14");
    platform::Label& Label61 = made("Label61"); // green route colour
    platform::Label& Label62 = made("Label62"); // magenta route colour
    // White route colour, the default, with the group numbers.
    platform::Label& Label63 = made("Label63");
    platform::Line& Line10 = made("Line10"); // rule of the route plot
    platform::Line& Line11 = made("Line11"); // rule of the route plot

    // 18. Progress of the hourly step.
    // Progress of the hour, 0 to 32.
    platform::ProgressBar& ProgressBar1 = made("ProgressBar1");

    // 19. The air-group panel.
    platform::Frame& Frame9 = made("Frame9");
    // The side's air groups in flight (tip "AEREI IN VOLO")
    platform::ListBox& List8 = made("List8");
    // The air group's base, carrier or ship of origin.
    platform::Label& Label89 = made("Label89");
    // The enemy target base (tip "BASE NEMICA BERSAGLIO ")
    platform::Label& Label91 = made("Label91");
    // The thirteen values of the air group picked; a click shows what each is.
    platform::ControlArray<platform::Label>& Label85 = made("Label85");
    platform::Label& Label96 = made("Label96"); // sighting increase per turn of flight
    platform::Label& Label97 = made("Label97"); // estimated interception percentage
    // Speed per turn (tip "VELOCITA' IN TWEEP per TRN")
    platform::Label& Label98 = made("Label98");
    // Aircraft in action (tip "NUMERO AEREI IN AZIONE (CAP-PATROL-INT.ATT.-BOMB)")
    platform::Label& Label99 = made("Label99");
    platform::CommandButton& Command28 = made("Command28");
    platform::CommandButton& Command29 = made("Command29");
    // The air-list filter: "TUTTI", "IntAtt", "RiPaCp", "DecRie", "Stres"
    platform::ControlArray<platform::OptionButton>& Option1 = made("Option1");
    // The air order (tip "ORDINE Operativo ...")
    platform::ComboBox& Combo8 = made("Combo8");
    platform::CommandButton& Command20 = made("Command20");
    platform::CheckBox& Check1 = made("Check1");
    platform::CheckBox& Check2 = made("Check2");
    platform::CheckBox& Check3 = made("Check3");
    platform::CheckBox& Check4 = made("Check4");
    // Enemy formations sighted (tip "Formazioni Nemiche avvistate")
    platform::ListBox& List10 = made("List10");
    // Course of the enemy group (tip "Rotta GN Nemico")
    platform::Label& Label88 = made("Label88");
    platform::Image& Image31 = made("Image31"); // fires on board the enemy group picked
    platform::Label& Label86 = made("Label86"); // the make-up of the enemy formation picked

    // 21. The main-menu button; made before the side panel so that the panel lies over it.
    platform::CommandButton& Command17 = made("Command17");

    // 20. The side panel.
    platform::Frame& Frame3 = made("Frame3"); // the side panel
    platform::CommandButton& Command4 = made("Command4");
    platform::Image& Image5 = made("Image5");   // the side's left flag
    platform::Image& Image32 = made("Image32"); // the side's right flag
    platform::Frame& Frame8 = made("Frame8");   // the side buttons
    platform::CommandButton& Command5 = made("Command5");
    platform::CommandButton& Command6 = made("Command6");
    platform::Frame& Frame13 = made("Frame13"); // the mode buttons
    platform::CommandButton& Command10 = made("Command10");
    platform::CommandButton& Command3 = made("Command3");
    platform::CommandButton& Command9 = made("Command9");

    // 22. Weather details.
    platform::Frame& Frame24 = made("Frame24");
    // Hides the weather panel (tip "Nascondi Meteo")
    platform::Image& Image17 = made("Image17");
    platform::Image& Image25 = made("Image25"); // the sea state icon
    platform::Image& Image26 = made("Image26"); // the wind icon
    platform::Label& Label73 = made("Label73");
    platform::Label& Label74 = made("Label74"); // the weather state
    platform::Label& Label75 = made("Label75"); // the weather's effect

    // 23. The clock.
    platform::Frame& Frame6 = made("Frame6"); // the clock
    // The weather icon; a click shows the weather panel (tip "Mostra Meteo")
    platform::Image& Image1 = made("Image1");
    platform::Label& Label32 = made("Label32");
    platform::Label& Label28 = made("Label28");
    // The phase code ("STP" at rest), then the activities: a click circles the hour's, a double-click the
    // last 120.
    platform::Label& Label29 = made("Label29");
    platform::Label& Label30 = made("Label30"); // the hour (tip "ORA SCOCCATA")
    // Days passed / days left; a double-click enables the supervisor menu.
    platform::Label& Label31 = made("Label31");

    // 24. Status marks of the hour.
    // "NAVI   MINE": the mine fields and mine laying.
    platform::Label& Label95 = made("Label95");
    // Sighting or contact (tip "AVVISTAMENTO O CONTATTO!!!")
    platform::Label& Label87 = made("Label87");
    platform::Label& Label80 = made("Label80"); // a group stopped (tip "GN FERMO")
    // A group hit by mines (tip "GN Colpito da Mine")
    platform::Label& Label18 = made("Label18");
    // Air groups returning (tip "RIENTRO AEREI ")
    platform::Label& Label101 = made("Label101");
    platform::Label& Label64 = made("Label64"); // ships sunk in the last hour

    // 25-27. Report line, message line, map coordinates.
    // The hover line beside the pointer on the map.
    platform::Label& Label83 = made("Label83");
    // The message line: a click draws the mine fields, a double-click lays mines at one o'clock.
    platform::Label& Label17 = made("Label17");
    // The pointer's map point; a click rolls a percentile die there.
    platform::Label& Label1 = made("Label1");

    // ================================================================ menus
    platform::Menu mnFile{*this, "mnFile", "File                 "};
    platform::Menu MnFileChiudi{mnFile, "MnFileChiudi", "Chiudi   "};
    platform::Menu mnFileSep1{mnFile, "mnFileSep1", "-"};
    platform::Menu mnFileReset{mnFile, "mnFileReset", "Reset Menu Principale"};

    platform::Menu MnAcq{*this, "MnAcq", "Acquisizione Mezzi   "};
    platform::Menu MnAcqTaranto{MnAcq, "MnAcqTaranto", "Comando di Taranto..."};
    platform::Menu MnAcqTarantoNavi{MnAcqTaranto, "MnAcqTarantoNavi", "Navi"};
    platform::Menu MnAcqTarantoAerei{MnAcqTaranto, "MnAcqTarantoAerei", "Aerei"};
    platform::Menu MnAcqTarantoSep1{MnAcqTaranto, "MnAcqTarantoSep1", "-"};
    platform::Menu MnAcqTrPuntiAsse{MnAcqTaranto, "MnAcqTrPuntiAsse", "Trasferimento Punti"};
    platform::Menu MnAcqTarantoSep2{MnAcqTaranto, "MnAcqTarantoSep2", "-"};
    platform::Menu MnDanniAsse{MnAcqTaranto, "MnDanniAsse", "Danni Subiti"};
    platform::Menu MnAcqGibilterra{MnAcq, "MnAcqGibilterra", "Comando di Gibilterra..."};
    platform::Menu MnAcqGibilterraNavi{MnAcqGibilterra, "MnAcqGibilterraNavi", "Navi"};
    platform::Menu MnAcqGibilterraAerei{MnAcqGibilterra, "MnAcqGibilterraAerei", "Aerei"};
    platform::Menu MnAcqGibilterraLinea{MnAcqGibilterra, "MnAcqGibilterraLinea", "Linea Volo Portaerei"};
    platform::Menu MnAcqGibilterraSep1{MnAcqGibilterra, "MnAcqGibilterraSep1", "-"};
    platform::Menu MnAlleStatusPort{MnAcqGibilterra, "MnAlleStatusPort", "Status Aerei Imbarcati"};
    platform::Menu MnAcqGibilterraSep2{MnAcqGibilterra, "MnAcqGibilterraSep2", "-"};
    platform::Menu MnAcqTrPuntiAlle{MnAcqGibilterra, "MnAcqTrPuntiAlle", "Trasferimento Punti"};
    platform::Menu MnAcqGibilterraSep3{MnAcqGibilterra, "MnAcqGibilterraSep3", "-"};
    platform::Menu MnDannialle{MnAcqGibilterra, "MnDannialle", "Danni Subiti"};

    platform::Menu MnUtil{*this, "MnUtil", "Utility         "};
    platform::Menu MnUtilMission{MnUtil, "MnUtilMission", "Missioni Punti"};
    platform::Menu MnUtilSep1{MnUtil, "MnUtilSep1", "-"};
    platform::Menu MnUtilSuper{MnUtil, "MnUtilSuper", "Supervisor"};
    platform::Menu MnUtilSuperNavi{MnUtilSuper, "MnUtilSuperNavi", "Stk Navi"};
    platform::Menu MnUtilSuperAerei{MnUtilSuper, "MnUtilSuperAerei", "Stk Aerei"};
    platform::Menu MnUtilSuperContatti{MnUtilSuper, "MnUtilSuperContatti", "Stk Contatti"};
    platform::Menu MnUtilSuperEventi{MnUtilSuper, "MnUtilSuperEventi", "Eventi Gioco"};

    platform::Menu MnHelp{*this, "MnHelp", "Help"};
    platform::Menu MNHelpGraf{MnHelp, "MNHelpGraf", "Help Grafico"};
    platform::Menu MnhelpNoteGen{MNHelpGraf, "MnhelpNoteGen", "Grafica D'avvio"};
    platform::Menu MnHelpALLEASSE{MNHelpGraf, "MnHelpALLEASSE", "ALLE ASSE"};
    platform::Menu MnHelpAEROPORTO{MNHelpGraf, "MnHelpAEROPORTO", "AEROPORTO"};
    platform::Menu MnHelpPorto{MNHelpGraf, "MnHelpPorto", "PORTO"};
    platform::Menu MnHelpGA{MNHelpGraf, "MnHelpGA", "AEREI-GA"};
    platform::Menu MnHelpGN{MNHelpGraf, "MnHelpGN", "NAVI-GN (prima parte)"};
    platform::Menu MnHelpGN2{MNHelpGraf, "MnHelpGN2", "NAVI-GN (seconda parte)"};
    platform::Menu MnHelpPortaerei{MNHelpGraf, "MnHelpPortaerei", "PORTAEREI"};
    platform::Menu MnHelpContatti{MNHelpGraf, "MnHelpContatti", "CONTATTI"};
    platform::Menu MnHelpDAnni{MNHelpGraf, "MnHelpDAnni", "DANNI/RIPARAZIONI"};
    platform::Menu MnHelpOrdini{MNHelpGraf, "MnHelpOrdini", "ORDINI GA GN"};
    platform::Menu MNHelpTest{MnHelp, "MNHelpTest", "Help Testo"};
    platform::Menu HelpTxtIntroduzione{MNHelpTest, "HelpTxtIntroduzione", "Introduzione"};
    platform::Menu MnHelpTxtTUTOR{MNHelpTest, "MnHelpTxtTUTOR", "Il Tutor"};
    platform::Menu MnHelpTxtGrafica{MNHelpTest, "MnHelpTxtGrafica", "Grafica Simboli Messaggi"};
    platform::Menu MnHelpTxtTIPS{MNHelpTest, "MnHelpTxtTIPS", "Tips su GN"};
    platform::Menu MnHelpTxtCOntScontro{MNHelpTest, "MnHelpTxtCOntScontro", "Lo Scontro Tattico"};
};

// Opens the campaign named by CampaignName in the main window, as "APRI GIOCO" does. When a
// campaign file is missing or short, the message names it, the main window is unloaded and the
// start window is shown again; false then.
bool apriGioco();
