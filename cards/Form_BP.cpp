#include "Form_BP.h"

#include "CardGlobals.h"
#include "Form1_Main.h"

#include "platform/Files.h"
#include "platform/Printing.h"

#include <QLocale>

using namespace platform;

namespace {
constexpr int kRow = 330;
}

Label& Form_BP::addRow(Frame& frame, const QString& caption, int item, int item2, int top, int valueWidth) {
    auto cap = std::make_unique<Label>(frame, QStringLiteral("Caption"), caption);
    cap->move(120, top, 1680, 285);
    cap->setBackStyle(0);
    auto val = std::make_unique<Label>(frame, QStringLiteral("Value"));
    val->move(1800, top, valueWidth, 285);
    val->setBackStyle(0);
    val->setFontBold(true);
    rows_.push_back({cap.get(), val.get(), item, item2});
    Label& out = *val;
    owned_.push_back(std::move(cap));
    owned_.push_back(std::move(val));
    return out;
}

Label* Form_BP::valueOf(const QString& caption) {
    for (const Row& r : rows_)
        if (r.caption->caption() == caption) return r.value;
    return nullptr;
}

const platform::Layout<Form_BP>& Form_BP::layout() {
    using enum Kind;
    using enum On;
    static const Layout<Form_BP> rows = {
        // clang-format off
        // kind name              container   left   top  width  height  caption, tool-tip, state at load, events
        {Frame, "Frame1",         "",         120,  120,  5640,   2700, "Anagrafica", "", Visible},
        {Label, "NationValue",    "Frame1",  3600,    0,  1920,    285, "", "", Visible},
        {Label, "NameValue",      "Frame1",  1800,  675,  3600,    285, "", "", Visible},
        {Frame, "Frame2",         "",        5880,  120,  2820,   2700, "Dati Generali", "", Visible},
        {Frame, "Frame3",         "",        8820,  120,  2760,   1380, "Resistenza e Incendi", "", Visible},
        {Label, "HalfResistance", "Frame3",  1800,  675,   900,    285, "", "", Visible},
        {Frame, "Frame4",         "",         120, 2940,  8580,   2760, "Armamento", "", Visible},
        {Label, "PictureArea",    "Frame4",  5820,  240,  2640,   2400, "", "Click = immagine della nave", Visible, {{Click, &Form_BP::Image2_Click}}},
        {Image, "Image2",         "Frame4",  5820,  240,  2640,   2400, "", "", Visible, {{Click, &Form_BP::Image2_Click}}},
        {Frame, "Frame5",         "",        8820, 2940,  2760,   2880, "Corazzature", "", Visible},
        {Frame, "Frame6",         "",         120, 5820,  8580,   1800, "Armi AA", "", Visible},
        {Label, "AaHeading",      "Frame6",  1800,  240,  4680,    285, " su TP       su TS     su TS2", "", Visible},
        {Label, "AaCalibre1",     "Frame6",  1800,  540,  1500,    285, "nn", "", Visible},
        {Label, "AaCalibre2",     "Frame6",  3360,  540,  1500,    285, "nn", "", Visible},
        {Label, "AaCalibre3",     "Frame6",  4920,  540,  1500,    285, "nn", "", Visible},
        {Label, "AaValue1",       "Frame6",  1800,  840,  1500,    285, "", "", Visible},
        {Label, "AaValue2",       "Frame6",  3360,  840,  1500,    285, "", "", Visible},
        {Label, "AaValue3",       "Frame6",  4920,  840,  1500,    285, "", "", Visible},
        {Label, "CalibreCaption", "Frame6",   120,  540,  1680,    285, "Calibro:", "", Visible},
        {Label, "ValueCaption",   "Frame6",   120,  840,  1680,    285, "Valore CAA:", "", Visible},
        {Label, "DecayCaption",   "Frame6",   120, 1200,  1680,    480, "Val. decad. CAA x canna elimin.", "", Visible},
        {Label, "AaDecay1",       "Frame6",  1800, 1260,  1500,    285, "0", "", Visible},
        {Label, "AaDecay2",       "Frame6",  3360, 1260,  1500,    285, "0", "", Visible},
        {Label, "AaDecay3",       "Frame6",  4920, 1260,  1500,    285, "0", "", Visible},
        {Label, "AamCaption",     "Frame6",  6600,  240,   840,    285, "AAM", "", Visible},
        {Label, "AamValue",       "Frame6",  6600,  540,   840,    285, "", "", Visible},
        {Label, "AacCaption",     "Frame6",  7560,  240,   840,    285, "AAC", "", Visible},
        {Label, "AacValue",       "Frame6",  7560,  540,   840,    285, "", "", Visible},
        {Image, "Image1",         "",        9900, 1680,   480,    480, "", " Click = STAMPA SCHEDA NAVE", Visible, {{Click, &Form_BP::Image1_Click}}},
        // clang-format on
    };
    return rows;
}

Form_BP::Form_BP() : Form("Form_BP") {
    setCaption(QString());
    setSize(11700, 8400);
    setBackColor(vbWhite);

    NationValue.setAlignment(1);
    for (Label* l : {&NationValue, &NameValue, &HalfResistance, &AamValue, &AacValue}) l->setFontBold(true);
    // The first row of each group stands clear of the group's title and line.
    constexpr int kFirstRow = 345;
    int y = kFirstRow;
    addRow(FrameAnagrafica, "Classe:", 1, 0, y, 3600);
    y += kRow;
    rows_.push_back({owned_.emplace_back(std::make_unique<Label>(FrameAnagrafica, "Caption", "Nome:")).get(),
                     &NameValue, 0, 0});
    rows_.back().caption->move(120, y, 1680, 285);
    addRow(FrameAnagrafica, "Tipologia:", 2, 0, y += kRow, 3600);
    addRow(FrameAnagrafica, "Stazza Std:", 7, 0, y += kRow, 1500);
    addRow(FrameAnagrafica, "Anno Varo:", 6, 0, y += kRow, 1500);
    addRow(FrameAnagrafica, "Anno Dati:", 5, 0, y += kRow, 1500);

    y = kFirstRow;
    const std::pair<const char*, int> dati[] = {
        {"Nodi:", 8},   {"Dir.Tiro - DT:", 12},  {"MovAerei - MA:", 13}, {"Operat. - OP:", 14},
        {"Cargo:", 15}, {"Costo Unitario:", 16}, {"Num. Aerei:", 22},    {"Num. Elevatori:", 23}};
    for (const auto& [cap, item] : dati) {
        addRow(FrameDati, QString::fromUtf8(cap), item, 0, y, 900);
        y += 290;
    }

    addRow(FrameResistenza, "Resist. Glob.:", 10, 0, kFirstRow, 900);
    rows_.push_back(
        {owned_.emplace_back(std::make_unique<Label>(FrameResistenza, "Caption", "50% RG:")).get(),
         &HalfResistance, 0, 0});
    rows_.back().caption->move(120, kFirstRow + 330, 1680, 285);
    addRow(FrameResistenza, "Contr. A/Inc.", 11, 0, kFirstRow + 660, 900);

    y = kFirstRow;
    const std::tuple<const char*, int, int> arms[] = {{"Calibri Mag:", 24, 25},  {"Calibri Secon:", 26, 27},
                                                      {"Altri Calibri", 28, 29}, {"Altri Calibri", 51, 52},
                                                      {"Siluri:", 18, 19},       {"BTG - Num. lanc:", 20, 0},
                                                      {"BtgxLanc", 21, 0}};
    for (const auto& [cap, a, b] : arms) {
        Label& value = addRow(FrameArmamento, QString::fromUtf8(cap), a, b, y, 3900);
        y += 300;
        // A long torpedo with its tubes takes a second line.
        if (a == 18) {
            value.setHeight(570);
            y += 300;
        }
    }
    PictureArea.setBorderStyle(1);
    PictureArea.setBackColor(0xF0F0F0);

    y = kFirstRow;
    const std::pair<const char*, int> armour[] = {
        {"Generale - CG", 39},  {"Plancia  - PL ", 33}, {"Centr/Tiro - CT", 37},  {"Fumaiolo - FU", 38},
        {"Verticale - VR", 31}, {"Orizzont. - OR", 32}, {"Torri Prin. - TP", 34}, {"Torri Sec. - TS", 35}};
    for (const auto& [cap, item] : armour) {
        addRow(FrameCorazzature, QString::fromUtf8(cap), item, 0, y, 720);
        y += 300;
    }

    // Each heading word stands over its column of values.
    AaHeading.setColumns({0, 1560, 3120});
    for (int k = 0; k < 3; ++k)
        for (Label* l : {AaCalibre[k], AaValue[k], AaDecay[k]}) {
            l->setFontBold(true);
            l->setWordWrap(false);
        }

    for (Frame* f :
         {&FrameAnagrafica, &FrameDati, &FrameResistenza, &FrameArmamento, &FrameCorazzature, &FrameAA}) {
        f->setBackColor(vbWhite);
        for (Control* c : f->children())
            if (auto* l = dynamic_cast<Label*>(c); l && l != &PictureArea) l->setBackStyle(0);
    }
}

void Form_BP::Form_Load() {
    Image1.loadPicture(CG().AppFolder + QStringLiteral("\\Ico\\kvz.ico"));
    FillShipPreview();
}

void Form_BP::FillShipPreview() {
    const ShipValues& d = CG().ShipData;
    for (const Row& r : rows_) {
        if (r.item == 0) continue;
        r.value->setCaption(r.item2 ? d[r.item] + QStringLiteral("   ") + d[r.item2] : d[r.item]);
    }
    NationValue.setCaption(d[3]);
    NameValue.setCaption(isLoaded<Form1_Main>() ? platform::form<Form1_Main>().Label60.caption() : QString());
    HalfResistance.setCaption(numberTextWithSign(double(intPart(textValue(d[10]) * 50)) / 100).trimmed());
    for (int k = 0; k < 3; ++k) {
        AaCalibre[k]->setCaption(d[40 + 3 * k]);
        AaValue[k]->setCaption(d[42 + 3 * k]);
        const double barrels = textValue(d[41 + 3 * k]);
        if (barrels > 0) {
            QLocale locale;
            locale.setNumberOptions(QLocale::OmitGroupSeparator);
            AaDecay[k]->setCaption(locale.toString(textValue(d[42 + 3 * k]) / barrels, 'g', 15));
        }
    }
    AamValue.setCaption(d[50]);
    AacValue.setCaption(numberTextWithSign(textValue(d[42]) + textValue(d[45]) + textValue(d[48])));
    if (!d[4].isEmpty())
        Image1.loadPicture(CG().AppFolder + QStringLiteral("\\Ico\\") + d[4] + QStringLiteral(".ico"));
}

void Form_BP::Image1_Click() {
    const QImage sheet = grabImage();
    Printer p;
    const double width = p.pageWidth();
    const double height = width * sheet.height() / std::max(1, sheet.width());
    p.paintPicture(sheet, 0, 0, width, height);
    reportPdf(p.endDoc(), QStringLiteral("Stampa Scheda Nave"));
}

void Form_BP::Image2_Click() {
    CommonDialog1.Filter =
        QStringLiteral("Graphic Files (*.bmp;*.gif;*.jpg)|*.bmp;*.gif;*.jpg|All Files (*.*)|*.* ");
    CommonDialog1.FileName.clear();
    if (!CommonDialog1.ShowOpen()) return;
    QImage img;
    if (!img.load(diskPath(CommonDialog1.FileName))) return; // an unreadable file leaves the area as it was
    img = img.scaled(PictureArea.width() / kTwipsPerPixel, PictureArea.height() / kTwipsPerPixel,
                     Qt::KeepAspectRatio, Qt::SmoothTransformation);
    Image2.setPicture(img);
}
