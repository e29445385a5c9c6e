// The columns of the group tables, the fields of the base table and the items of the game state,
// by name. Each name carries its number and meaning, so "column 22" is one search away. Columns
// and items not used by any rule keep a name of the form UnusedNN.
#pragma once

// Naval-group tables (GnTableAlle, GnTableAsse): group 1..50 by column 1..50.
namespace GnCol {
enum : int {
    InUse = 1,             // 1  in use (greater than 0)
    MaxKnots = 2,          // 2  maximum speed of the group, knots
    Type = 3,              // 3  group type code, set by the hour
    Ships = 4,             // 4  number of ships
    Fires = 5,             // 5  active fires
    MinOperativity = 6,    // 6  lowest operativity of its ships
    Order = 7,             // 7  order 1..5 (NavalOrderCode)
    CapAircraft = 8,       // 8  combat air patrol: number of aircraft
    RadarShips = 9,        // 9  ships with radar
    Periscope = 10,        // 10 at periscope depth (1 yes)
    BusyShips = 11,        // 11 ships busy towing or rescuing
    CapLevel = 12,         // 12 combat air patrol level 1..4
    NotOperational = 13,   // 13 not operational (1)
    Knots = 14,            // 14 speed in use, knots
    Side = 15,             // 15 side: 1 Allies, 2 Axis
    OffMapDistance = 16,   // 16 distance still to run beyond the map edge
    OffMap = 17,           // 17 off-map route: 1 Gibraltar, 2 Alexandria, 0 on the map
    Seen = 18,             // 18 seen state: 1 seen, 2 in contact, 3 seen from the air
    UnderWay = 19,         // 19 under way (1)
    InFriendlyPort = 20,   // 20 in a friendly port (1)
    Port = 21,             // 21 number of the port it lies in
    TargetGn = 22,         // 22 enemy group it intercepts or attacks
    TargetHours = 23,      // 23 hours of the intercept or attack order so far
    HoursUnderWay = 24,    // 24 hours under way in total
    X = 25,                // 25 map x
    Y = 26,                // 26 map y
    Step = 27,             // 27 map units per move
    Course = 28,           // 28 heading 1..8 (CompassNames)
    RouteHours = 29,       // 29 hours left on the present route
    ExtraUse = 30,         // 30 extra consumption
    RegularUse = 31,       // 31 regular consumption
    MineHit = 32,          // 32 hit by mines (1)
    BombardedBase = 33,    // 33 base under its naval bombardment
    FoughtContact = 34,    // 34 the contact of its last bombardment salvo (fought once)
    Carriers = 35,         // 35 ships of class group PA PL
    Capitals = 36,         // 36 ships of class group NB IB IP IL
    Destroyers = 37,       // 37 ships of class group CT
    MinorWarships = 38,    // 38 ships of class group NM NL
    Submarines = 39,       // 39 ships of class group SA SC
    OtherShips = 40,       // 40 other ships (PT MR NX AX)
    HoursSinceFormed = 41, // 41 hours since the group was formed
    Aam = 42,              // 42 total AAM of its ships
    Aac = 43,              // 43 total AAC of its ships
    Unused44 = 44,         // 44 not used
    Nation = 45,           // 45 Axis nation: 1 Italian, 2 German
    EntryY = 46,           // 46 y at which it arrives at Gibraltar
    Unused47 = 47,         // 47 not used
    Unused48 = 48,         // 48 not used
    Unused49 = 49,         // 49 not used
    PatrolGroups = 50,     // 50 air groups flying combat air patrol over it
};
}

// Air-group tables (GaTableAlle, GaTableAsse): group 1..50 by column 1..50.
namespace GaCol {
enum : int {
    InUse = 1,             // 1  in use (1)
    SpeedKmh = 2,          // 2  real speed, km per hour
    AircraftCost = 3,      // 3  cost of one aircraft
    Aircraft = 4,          // 4  aircraft in the group
    Damaged = 5,           // 5  aircraft damaged
    ShotDown = 6,          // 6  aircraft shot down
    Order = 7,             // 7  order 1..7 (AirOrderCode)
    InterceptPercent = 8,  // 8  base interception percentage at take-off
    Radar = 9,             // 9  radar (1)
    EvasionRadius = 10,    // 10 evasion radius, map units
    ContactTurn = 11,      // 11 turn of the contact
    Judgement = 12,        // 12 judgement value (GI)
    AttackFactor = 13,     // 13 attack factor (FA)
    DefenceFactor = 14,    // 14 defence factor (FD)
    StrafingFactor = 15,   // 15 strafing factor (FM)
    Torpedoes = 16,        // 16 torpedoes carried
    Bombs = 17,            // 17 bombs carried
    BombSize = 18,         // 18 bomb size
    CarrierNumber = 19,    // 19 carrier number of the carrier air file
    OriginBase = 20,       // 20 airfield of origin, base 1..15
    DefaultEndurance = 21, // 21 default endurance
    TurnsFlown = 22,       // 22 turns flown
    TakeOffDelay = 23,     // 23 delay before departure, turns
    UsableEndurance = 24,  // 24 usable endurance, turns
    X = 25,                // 25 map x
    Y = 26,                // 26 map y
    Step = 27,             // 27 map units per move
    TargetX = 28,          // 28 target x
    TargetY = 29,          // 29 target y
    TargetBase = 30,       // 30 target base number
    TargetGn = 31,         // 31 target naval group number
    TurnsToTarget = 32,    // 32 turns to the target after departure
    SearchTurns = 33,      // 33 search turns, delay included
    ControlFlag = 34,      // 34 second control flag
    DistanceFromBase = 35, // 35 distance from its base or carrier
    OverTarget = 36,       // 36 over the target (1)
    FlightHours = 37,      // 37 total flight hours
    AircraftRecord = 38,   // 38 record of its aircraft line in the base or carrier file
    OriginX = 39,          // 39 x of the base of origin (a carrier group: its carrier's group)
    OriginY = 40,          // 40 y of the base of origin
    InAction = 41,         // 41 aircraft in action
    Nation = 42,           // 42 Axis air force: 1 Italian (nation prefix "IT"), 2 German
    CarrierGroup = 43,     // 43 carrier air group (1)
    CarrierGn = 44,        // 44 naval group of its carrier
    Unused45 = 45,         // 45 not used
    Unused46 = 46,         // 46 not used
    Unused47 = 47,         // 47 not used
    Unused48 = 48,         // 48 not used
    CoveredGn = 49,        // 49 naval group covered by its combat air patrol
    EvasionValue = 50,     // 50 aircraft evasion value
};
}

// Base table (BaseTable): base 1..15 by field 1..30.
namespace BaseCol {
enum : int {
    Unused1 = 1,
    Unused2 = 2,
    DamagePercent = 3,      // 3  damage percentage of the base
    AircraftPresent = 4,    // 4  aircraft present
    ActivationAttempts = 5, // 5  air-group activation attempts made
    AircraftInFlight = 6,   // 6  aircraft in flight
    AircraftLostValue = 7,  // 7  value of the aircraft lost
    Unused8 = 8,
    PortAntiAircraft = 9, // 9  anti-aircraft value of the ships in its port, set each hour
    ShipsPresent = 10,    // 10 ships present in the port
    RepairsMade = 11,     // 11 repairs made, one per point of damage repaired
    RepairPoints = 12,    // 12 points paid for ship repairs
    StrikeMass = 13,      // 13 the mass of the air strikes it took
    BombardmentHits = 14, // 14 weight of the naval bombardments it took
    SightingValue = 15,   // 15 sighting value (EV/V): 11, 10 or 9
    Unused16 = 16,
    Unused17 = 17,
    Unused18 = 18,
    Unused19 = 19,
    Unused20 = 20,
    PointsArrived = 21, // 21 points arrived at the base
    PointsUsed = 22,    // 22 points used at the base
    Unused23 = 23,
    Unused24 = 24,
    Unused25 = 25,
    Unused26 = 26,
    Unused27 = 27,
    Unused28 = 28,
    Unused29 = 29,
    Unused30 = 30,
};
}

// Game state (GameState): items 1..40. Items 21..30 are the Allied block and 31..40 the Axis
// block in the same order; sideItem() picks a side's item from the Allied one.
namespace StateItem {
enum : int {
    Day = 1,     // 1  days completed, 0 on the first day
    Hour = 2,    // 2  hour of the day, 0..23
    Weather = 3, // 3  weather level 0 (good) .. 3 (worst)
    Unused4 = 4,
    Unused5 = 5,
    Unused6 = 6,
    Unused7 = 7,
    Unused8 = 8,
    Unused9 = 9,
    Activities = 10,   // 10 activity records written this hour
    Contacts = 11,     // 11 contact records written this hour
    SunkLastHour = 12, // 12 ships sunk in the last hour
    StressAlle = 13,   // 13 an Allied group out longer than 255 hours (1)
    StressAsse = 14,   // 14 the same for the Axis
    Unused15 = 15,
    Unused16 = 16,
    ShipsLostAlle = 17,       // 17 ships lost by the Allies
    AircraftLostAlle = 18,    // 18 aircraft lost by the Allies
    ShipsLostAsse = 19,       // 19 ships lost by the Axis
    AircraftLostAsse = 20,    // 20 aircraft lost by the Axis
    NavalMovesAlle = 21,      // 21 total naval moves (hours sailed by disbanded groups)
    MerchantTonsAlle = 22,    // 22 merchant tonnage lost
    WarshipTonsAlle = 23,     // 23 warship tonnage lost
    AirPointsLostAlle = 24,   // 24 air points lost
    LossTotalAlle = 25,       // 25 loss total added by the lost-ship writer
    SplitCountAlle = 26,      // 26 raised with the acquisition points a split of a naval group costs
    RandomListAlle = 27,      // 27 random ship list used (1); 0 at one o'clock
    AcquisitionUsedAlle = 28, // 28 acquisition points used
    CommandUsedAlle = 29,     // 29 command points used
    CommandGainedAlle = 30,   // 30 command points acquired
    NavalMovesAsse = 31,      // 31..40: the Axis block
    MerchantTonsAsse = 32,
    WarshipTonsAsse = 33,
    AirPointsLostAsse = 34,
    LossTotalAsse = 35,
    SplitCountAsse = 36,
    RandomListAsse = 37,
    AcquisitionUsedAsse = 38,
    CommandUsedAsse = 39,
    CommandGainedAsse = 40,
};
// The item of `side` (2 the Axis) for an item of the Allied block (21..30) or of a pair.
constexpr int sideItem(int side, int alliedItem) {
    if (side != 2) return alliedItem;
    if (alliedItem >= NavalMovesAlle && alliedItem <= CommandGainedAlle) return alliedItem + 10;
    if (alliedItem == StressAlle) return StressAsse;
    if (alliedItem == ShipsLostAlle || alliedItem == AircraftLostAlle) return alliedItem + 2;
    return alliedItem;
}
} // namespace StateItem

// Naval orders (naval-group column 7).
enum NavalOrderCode {
    kNavalTransit = 1,
    kNavalSupport = 2,
    kNavalIntercept = 3,
    kNavalBombardment = 4,
    kNavalAmbush = 5,
};

// Air orders (air-group column 7).
enum AirOrderCode {
    kOrderTakeOff = 1,
    kOrderCap = 2,
    kOrderPatrol = 3,
    kOrderRecon = 4,
    kOrderIntercept = 5,
    kOrderBombing = 6,
    kOrderReturn = 7,
};

// Kinds of event of an activity record (ActivityKind) and of a contact record (STB2).
enum ActivityKindCode {
    kActNavalMeeting = 1,      // naval groups meet
    kActAlliedBaseSights = 2,  // an Allied base sights an Axis naval group
    kActAxisBaseSights = 3,    // an Axis base sights an Allied naval group
    kActAlliedAirOnShips = 4,  // Allied aircraft against Axis ships
    kActAxisAirOnShips = 5,    // Axis aircraft against Allied ships
    kActAlliedAirStrike = 6,   // Allied air strike on an Axis base
    kActAxisAirStrike = 7,     // Axis air strike on an Allied base
    kActAlliedBombardment = 8, // Allied naval bombardment of an Axis base
    kActAxisBombardment = 9,   // Axis naval bombardment of an Allied base
    kActNothingFound = 10,     // nothing found or outside the zone
};

// Classes of contact (STC1 of a contact record).
enum ContactClassCode {
    kContactNaval = 0,       // naval encounter or sighting
    kContactBombardment = 1, // naval bombardment of a base
    kContactAirTarget = 2,   // air group at its target
};
