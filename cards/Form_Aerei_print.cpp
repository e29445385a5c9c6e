// The aircraft editor's printing: the four-card preview and the printed list.
#include "Form_AP.h"
#include "Form_Aerei.h"

#include "CardGlobals.h"

#include "platform/Files.h"
#include "platform/Printing.h"

using namespace platform;
using namespace aircraftcard;

namespace {
// The list's values start at this print column, each in a zone this many characters wide, so
// that the fourteen columns fit a landscape page.
constexpr int kListColumn = 20;
constexpr int kZoneChars = 8;
} // namespace

void Form_Aerei::FillAircraftPreview() {
    const AircraftData& d = CG().AircraftData;
    Form_AP& ap = platform::form<Form_AP>();
    const std::pair<int, QString> values[] = {
        {previewpos::Name, d[Name]},         {previewpos::Nation, d[Nation]},
        {previewpos::Type, d[Type]},         {previewpos::Maker, d[Maker]},
        {previewpos::Autonomy, d[Autonomy]}, {previewpos::Speed, d[Speed]},
        {previewpos::Cost, d[Cost]},         {previewpos::Availability, d[Availability]},
        {previewpos::Year, d[Year]},         {previewpos::Judgement, d[Judgement]},
        {previewpos::Attack, d[Attack]},     {previewpos::Defence, d[Defence]},
        {previewpos::Strafing, d[Strafing]}, {previewpos::Torpedoes, d[Torpedoes]},
        {previewpos::BombLoad, d[BombLoad]}, {previewpos::Marks, d[TorpedoMark] + d[BomberMark]},
    };
    for (const auto& [position, text] : values)
        for (int m = 0; m < Form_AP::kModules; ++m) ap.moduleLabel(m, position).setCaption(text);
    CG().NationCode = Label11.caption().left(2);
    // Without the flag icon the pictures keep what they showed.
    QImage flagImage;
    if (flagImage.load(
            diskPath(CG().AppFolder + QStringLiteral("\\Ico\\") + CG().NationCode + QStringLiteral(".ico"))))
        for (int m = 0; m < Form_AP::kModules; ++m) ap.flag(m).setPicture(flagImage);
}

void Form_Aerei::StampaTitolo() {
    Printer& p = printer();
    p.setFont(QStringLiteral("arial"), 10);
    p.setOrientation(2);
    p.printLine(QString());
    p.printText(QStringLiteral("NOME/RUOLO "));
    p.tab(kListColumn);
    p.printZones({"NAZ", "ANNO", "KMh", "AUT", "COSTO", "DISP", "GI", "FA", "FD", "PM", "NS", "CD", "S/B"},
                 kZoneChars);
    p.printLine(QString());
}

void Form_Aerei::StampaLista() {
    const AircraftData& d = CG().AircraftData;
    Printer& p = printer();
    p.printLine(d[Name].trimmed() + u'/' + d[Type].trimmed());
    p.tab(kListColumn);
    p.printZones({d.nationCode(), d[Year], d[Speed], d[Autonomy], d[Cost], d[Availability], d[Judgement],
                  d[Attack], d[Defence], d[Strafing], d[Torpedoes], d[BombLoad],
                  d[TorpedoMark] + d[BomberMark]},
                 kZoneChars);
    p.printLine(QString());
}
