#include "Form_AP.h"

#include "platform/Printing.h"

using namespace platform;

namespace {
constexpr int kModuleWidth = 6600;
constexpr int kModuleHeight = 4080;
// The values under the three heading rows start this much lower than the heading's first row.
constexpr int kBody = 300;

// Fixed captions by position.
QString fixedCaption(int position) {
    switch (position) {
    case 6:
        return QStringLiteral("< AUTONOMIA   -          VELOCITA' >");
    case 9:
        return QStringLiteral("< COSTO            -  DISPONIBILITA' >");
    case 12:
        return QStringLiteral("< ANNO              -            GIUDIZIO >");
    case 14:
        return QStringLiteral("Fatt. Attacco      FA >");
    case 16:
        return QStringLiteral("Fatt. Difesa        FD >");
    case 18:
        return QStringLiteral("Peso Arma         PM >");
    case 20:
        return QStringLiteral("Silurante/Bombard.  >");
    case 23:
        return QStringLiteral("< N.Sil. -  Carico Differ.  >");
    default:
        return QString();
    }
}

// Place of each position in a module: left, top, width, height (twips).
struct Place {
    int left, top, width, height;
};
Place bodyPlace(int position) {
    switch (position) {
    case 5:
        return {180, 1020, 780, 285};
    case 6:
        return {1020, 1020, 4560, 285};
    case 7:
        return {5640, 1020, 780, 285};
    case 8:
        return {180, 1320, 780, 285};
    case 9:
        return {1020, 1320, 4560, 285};
    case 10:
        return {5640, 1320, 780, 285};
    case 11:
        return {180, 1620, 780, 285};
    case 12:
        return {1020, 1620, 4560, 285};
    case 13:
        return {5640, 1620, 780, 285};
    case 14:
        return {180, 2040, 1920, 270};
    case 15:
        return {2130, 2010, 600, 285};
    case 16:
        return {180, 2370, 1920, 270};
    case 17:
        return {2130, 2340, 600, 285};
    case 18:
        return {180, 2700, 1920, 270};
    case 19:
        return {2130, 2670, 600, 285};
    case 20:
        return {180, 3030, 1920, 270};
    case 21:
        return {2130, 3000, 600, 285};
    case 22:
        return {180, 3390, 600, 285};
    case 23:
        return {840, 3420, 2760, 270};
    default:
        return {3660, 3390, 600, 285};
    }
}

Place placeOf(int position) {
    // The heading: the name across the card, then nation and maker, then the type, each as wide
    // as its longest entry needs.
    switch (position) {
    case 1:
        return {720, 150, 5700, 360};
    case 2:
        return {720, 540, 2460, 330};
    case 3:
        return {720, 900, 5700, 330};
    case 4:
        return {3240, 540, 3180, 330};
    default:
        break;
    }
    Place at = bodyPlace(position);
    at.top += kBody;
    return at;
}

int labelNumber(int module, int position) {
    static constexpr int kTop[] = {0, 49, 73, 97};
    return module == 0 ? position : kTop[module] - position;
}
} // namespace

Form_AP::Form_AP() : Form("Form_AP") {
    setCaption(QStringLiteral("Moduli Aereo"));
    setSize(2 * kModuleWidth + 360, 2 * kModuleHeight + 360);
    setFixedBorder(true);
    setBackColor(vbWhite);
    for (int m = 0; m < kModules; ++m)
        buildModule(m, 120 + (m % 2) * (kModuleWidth + 120), 120 + (m / 2) * (kModuleHeight + 120));
    flags_[0]->setToolTipText(QStringLiteral("Chiude il Modulo"));
    flags_[2]->setToolTipText(QStringLiteral("Attiva la Stampa del Modulo "));
    flags_[0]->Click = [this] { Image1_Click(); };
    flags_[1]->Click = [this] { Image2_Click(); };
    flags_[2]->Click = [this] { Image3_Click(); };
    flags_[3]->Click = [this] { Image4_Click(); };
}

void Form_AP::buildModule(int module, int left, int top) {
    auto& card =
        *frames_.emplace_back(std::make_unique<Frame>(*this, QStringLiteral("Modulo%1").arg(module + 1)));
    card.move(left, top, kModuleWidth, kModuleHeight);
    card.setBackColor(vbWhite);

    flags_[module] = std::make_unique<Image>(card, QStringLiteral("Image%1").arg(module + 1));
    flags_[module]->move(150, 180, 480, 480);
    flags_[module]->setStretch(true);

    for (int p = 1; p <= kLabelsPerModule; ++p) {
        const QString caption = fixedCaption(p);
        auto& l = *(labels_[module][p] = std::make_unique<Label>(
                        card, QStringLiteral("Label%1").arg(labelNumber(module, p)), caption));
        const Place at = placeOf(p);
        l.move(at.left, at.top, at.width, at.height);
        l.setBackColor(vbWhite);
        l.setWordWrap(false);
        if (p <= 4) {
            l.setFontBold(true);
            l.setFontSize(p == previewpos::Name ? 11 : p == previewpos::Nation ? 10 : 9);
        }
        if (caption.isEmpty() && p > 4) {
            l.setAlignment(2);
            l.setBorderStyle(1);
            l.setFontBold(true);
        } else if (!caption.isEmpty() && p <= 13) {
            l.setAlignment(2);
        }
    }

    // Boxes the players fill in by hand.
    const QString boxes[] = {QStringLiteral("Numero/Taglio Bombe"), QStringLiteral("Danni"),
                             QStringLiteral("Missione/Turni "), QStringLiteral("Esp./FormN")};
    for (int b = 0; b < 4; ++b) {
        auto& box = *frames_.emplace_back(
            std::make_unique<Frame>(card, QStringLiteral("Box%1").arg(b + 1), boxes[b]));
        box.move(2820 + (b % 2) * 1800, kBody + 1950 + (b / 2) * 720, 1740, 660);
        box.setBackColor(vbWhite);
        box.setFontSize(7);
    }
}

Label& Form_AP::moduleLabel(int module, int position) {
    return *labels_.at(module).at(position);
}

Image& Form_AP::flag(int module) {
    return *flags_.at(module);
}

void Form_AP::Image1_Click() {
    unloadForm(*this);
}
void Form_AP::Image4_Click() {
    unloadForm(*this);
}
void Form_AP::Image2_Click() {
    printWindow();
}
void Form_AP::Image3_Click() {
    printWindow();
}

void Form_AP::printWindow() {
    // A job of its own, so a printed list under way is not mixed with the cards.
    Printer job;
    job.setOrientation(2);
    const QImage image = grabImage();
    if (image.isNull()) return;
    const double width = job.pageWidth();
    const double height = std::min(job.pageHeight(), width * image.height() / image.width());
    job.paintPicture(image, 0, 0, height * image.width() / image.height(), height);
    reportPdf(job.endDoc(), QStringLiteral("Stampa Schede Aerei"));
}
