// Small side archives for the new-campaign wizard's tests, written in the record layouts the way
// the set-up program writes them.
#pragma once

#include "common/records/RecordFormat.h"
#include "platform/Files.h"
#include "tests/support/TestSupport.h"

#include <QByteArray>
#include <QString>

namespace wizardtest {

struct Ship {
    QString type;
    QString name;
    int year = 1939;
    bool deleted = false;
    QString nation = "GB";
};

struct Plane {
    QString nation;
    QString name;
    QString role;
    bool carrier = false;
    bool deleted = false;
};

inline QByteArray shipRecord(const Ship& s) {
    recordformat::ShipRecord r;
    r.setText(1, s.name + " class");
    r.setText(2, s.name);
    r.setText(3, s.type);
    r.setText(4, s.nation);
    r.setNumber(5, 1700);
    r.setNumber(6, s.year);
    r.setNumber(7, 36);
    r.setNumber(8, 90);
    r.setNumber(9, 6);
    r.setNumber(10, 10);
    r.setNumber(11, 250);
    r.setNumber(12, 40);
    r.setText(15, "0");
    r.setText(18, s.deleted ? "XXX" : "");
    r.setText(20, "0");
    r.setText(21, "36");
    r.setText(22, "90");
    r.setText(33, "0");
    return r.bytes();
}

inline QByteArray aircraftRecord(const Plane& p) {
    recordformat::AircraftRecord r;
    r.setText(1, p.nation);
    r.setText(2, p.name);
    r.setText(4, p.role);
    r.setNumber(6, 12);
    r.setNumber(7, 5);
    r.setNumber(8, 4);
    r.setNumber(9, 6);
    r.setNumber(11, 500);
    r.setNumber(13, 480);
    r.setNumber(14, 31);
    r.setText(16, "0");
    r.setText(17, "1");
    r.setText(18, p.deleted ? "X" : "");
    r.setText(19, p.carrier ? "1" : "0");
    return r.bytes();
}

template <class T, class F> QByteArray archive(std::initializer_list<T> units, F record) {
    QByteArray bytes;
    for (const T& u : units) bytes += record(u);
    return bytes;
}

// The tests write their own archives: the shipped starter archives are taken away first.
inline void removeShippedArchives(const testsupport::ProgramFolder& folder) {
    for (const char* name : {"ALLEATINavi.Dat", "ASSENavi.Dat", "ALLEATIAerei.Dat", "ASSEAerei.Dat"})
        platform::deleteFile(folder.path() + "/Archivio/" + name);
}

// The four archives in the "Archivio" folder, named as the set-up program names them.
inline void writeShipArchive(const testsupport::ProgramFolder& folder, const QString& side,
                             std::initializer_list<Ship> ships) {
    testsupport::writeBytes(folder.path() + "/Archivio/" + side + "Navi.Dat", archive(ships, shipRecord));
}
inline void writeAircraftArchive(const testsupport::ProgramFolder& folder, const QString& side,
                                 std::initializer_list<Plane> planes) {
    testsupport::writeBytes(folder.path() + "/Archivio/" + side + "Aerei.Dat",
                            archive(planes, aircraftRecord));
}

// The standard test archives: Allied carriers A (kept), B (deleted) and C (kept), destroyers, a
// submarine and units that are never free; Axis cruisers, destroyers and a German type.
inline void writeStandardArchives(const testsupport::ProgramFolder& folder) {
    writeShipArchive(folder, "ALLEATI",
                     {{"PA", "Illustrious", 1940},
                      {"PA", "Formidable", 1940, true},
                      {"PL", "Argus", 1939},
                      {"CT", "Jervis"},
                      {"CT", "Kelly"},
                      {"SA", "Upholder", 1940},
                      {"IL", "Orion", 1937},
                      {"NB", "Warspite", 1937},
                      {"CT", "Laforey", 1942},
                      {"CT", "Gone", 1939, true}});
    writeShipArchive(folder, "ASSE",
                     {{"IP", "Zara", 1931, false, "IT"},
                      {"IL", "Abruzzi", 1937, false, "IT"},
                      {"CT", "Alpino", 1939, false, "IT"},
                      {"NB", "Littorio", 1940, false, "IT"},
                      {"SA", "Scire", 1938, false, "IT"},
                      {"MR", "Sunk", 1938, true, "IT"}});
    writeAircraftArchive(folder, "ALLEATI",
                         {{"GB Gran Bretagna", "Hurricane Mk I", "CPT"},
                          {"GB Gran Bretagna", "Swordfish", "ASI", true},
                          {"GB Gran Bretagna", "Fulmar", "CPT", true, true},
                          {"GB Gran Bretagna", "Wellington Mk IC", "BMR"}});
    writeAircraftArchive(folder, "ASSE",
                         {{"IT Italia", "Macchi C.200", "CPT"},
                          {"IT Italia", "SM.79 Sparviero", "ASI"},
                          {"DE Germania", "Ju 87 B", "BMR"},
                          {"IT Italia", "Cant Z.506", "RIC", false, true}});
}

} // namespace wizardtest
