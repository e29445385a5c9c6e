#include "SaveLine.h"

#include "CardGlobals.h"

#include "platform/Controls.h"

namespace {
constexpr long kSavedColour = 0x800000;
}

QString saveHeldReason(const QString& reason) {
    return QStringLiteral("\"Salva\" non attivo: ") + reason;
}

SaveLine::SaveLine(platform::Label& line) : line_(line) {
    line_.setBackStyle(0);
    line_.setForeColor(kSavedColour);
}

void SaveLine::show(const QString& why) {
    if (why.isEmpty() && !held_) return;
    line_.setForeColor(why.isEmpty() ? kSavedColour : platform::vbRed);
    line_.setCaption(why);
    held_ = !why.isEmpty();
}

void SaveLine::saved(const QString& cardPath) {
    line_.setForeColor(kSavedColour);
    line_.setCaption(cardSavedMessage(cardPath));
    held_ = false;
}

void SaveLine::clear() {
    line_.setCaption(QString());
    line_.setForeColor(kSavedColour);
    held_ = false;
}
