// The aircraft rating: the game values of an aircraft type (autonomy in turns, attack and defence
// factors, strafing weight, bomb load value, cost) from its armament, judgement, range, speed,
// load and type, and the judgement questionnaire's averages. Plain values in, plain values out;
// the aircraft editor reads its controls, calls these and shows the results.
#pragma once

#include "cards/SaveLine.h"
#include "platform/Numbers.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace aircraftrating {

constexpr int kWeaponClassCount = 6;
constexpr int kRoles = 16;

struct WeaponClass {
    const char* name;
    int maxCount;
    double coefficient;
};

// Slots 1 to 6: cannon over 37 mm, 33-37, 28-32, 21-27, 15-20 mm, light machine guns.
extern const std::array<WeaponClass, kWeaponClassCount + 1> kWeaponClasses;

// Products of count x coefficient for each weapon class (slot 0 unused).
using WeaponProducts = std::array<double, kWeaponClassCount + 1>;

// The product a count list sets for its class.
double weaponProduct(int weaponClass, double count);

struct WeaponSums {
    double weaponTotal = 0; // every class, not rounded
    int cannonTotal = 0;    // cannon classes only, rounded half to even after each addition
};
WeaponSums sumWeapons(const WeaponProducts& products);

struct Factors {
    int attack = 0;   // FA
    int defence = 0;  // FD
    int strafing = 0; // PM
};
// roleFactor is the attack factor of the type (0 while no type is chosen). An aircraft without
// guns has no attack, defence or strafing value, whatever its judgement.
Factors computeFactors(const WeaponSums& sums, int judgement, int roleFactor);

// What the cost is computed from, as read from the editor's summary labels.
struct CostInputs {
    double autonomy = 0;  // TA
    double judgement = 0; // GI
    double attack = 0;    // FA
    double defence = 0;   // FD
    double strafing = 0;  // PM
    double speed = 0;     // KM
    double torpedoes = 0; // SL
    double bombLoad = 0;  // CD
    bool night = false;
    int typeIndex = 0; // position + 1 in the type list
};
int computeCost(const CostInputs& in);

// The type at this position of the type list costs 3 more.
constexpr int kSurchargedType = 5;
// Positions of the type list that are carrier-borne types.
bool isCarrierBorneType(int typeIndex);

// Autonomy in turns from the range and speed texts; nothing when the speed less 15 per cent is
// not above 0. RangeError when range or speed do not fit the 16-bit values they are held in.
std::optional<int> autonomyTurns(const QString& rangeText, const QString& speedText);

// What holds the editor's "Salva" back: a name too short (once the name box takes typing), a
// range, speed or war load refused as out of scale, or a range and speed that give no autonomy.
struct SaveHold {
    int nameLength = 0; // without blanks
    bool nameAsked = false;
    bool autonomyRefused = false;
    bool autonomyMissing = false;
    bool loadRefused = false;
};
// The name's reason is given once the name is asked for.
SaveState saveState(const SaveHold& hold);

// The bomb load value CD of a war load in kg, and whether that load makes a bomber.
int bombLoadValue(double kg);
bool isBomberLoad(double kg);

// The role tables: descriptions and attack factors of the 16 types (slot 0 unused, factor 0).
struct RoleTables {
    std::array<QString, kRoles + 1> descriptions;
    std::array<int, kRoles + 1> attackFactors{};
    int factor(int typeIndex) const {
        return typeIndex >= 1 && typeIndex <= kRoles ? attackFactors[typeIndex] : 0;
    }
};
// Reads "RuoloAereiEsteso.txt" and "FattAttaerei.txt" from the data folder; FileError naming the
// file when one is missing, short or holds a factor that is not a number.
RoleTables loadRoleTables(const QString& dataFolder);

// The judgement questionnaire: ten answers 1..14 (0 while unanswered, slot 0 unused).
constexpr int kQuestions = 10;
constexpr int kAvailabilityQuestion = 3;
using JudgementAnswers = std::array<int, kQuestions + 1>;
// Whole-number part of the answers' average.
int judgementAverage(const JudgementAnswers& answers);
// Whole-number part of P x P / 5, P being the answer about the numbers produced.
int availability(int productionAnswer);
// The production answer as its box holds it: one of the listed answers, or none (empty, or the 0
// of a question left unanswered). Anything else raises platform::RangeError naming the question.
int productionAnswer(const QString& text);

} // namespace aircraftrating
