// The main window's controls as its layout builds them at the design size: each control's place
// and size in twips, caption, tool-tip, state at load and the events wired to it, against the
// record kept in fixtures/MainWindowControls.txt. A change of the layout that is meant changes
// the record with it; any other is caught here.
#include "game/main/FrmMain.h"

#include "common/Globals.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace platform;

namespace {

QString captionOf(const Control& c) {
    if (auto* l = dynamic_cast<const Label*>(&c)) return l->caption();
    if (auto* b = dynamic_cast<const CommandButton*>(&c)) return b->caption();
    if (auto* f = dynamic_cast<const Frame*>(&c)) return f->caption();
    if (auto* k = dynamic_cast<const CheckBox*>(&c)) return k->caption();
    if (auto* o = dynamic_cast<const OptionButton*>(&c)) return o->caption();
    if (auto* t = dynamic_cast<const TextBox*>(&c)) return t->text();
    return {};
}

QStringList eventsOf(const Control& c) {
    QStringList out;
    const std::pair<const char*, bool> common[] = {
        {"Click", bool(c.Click)},         {"DblClick", bool(c.DblClick)},   {"GotFocus", bool(c.GotFocus)},
        {"LostFocus", bool(c.LostFocus)}, {"MouseDown", bool(c.MouseDown)}, {"MouseMove", bool(c.MouseMove)},
        {"MouseUp", bool(c.MouseUp)}};
    for (const auto& [name, wired] : common)
        if (wired) out << QString::fromLatin1(name);
    if (auto* l = dynamic_cast<const Label*>(&c); l && l->Change) out << "Change";
    if (auto* t = dynamic_cast<const TextBox*>(&c)) {
        if (t->Change) out << "Change";
        if (t->KeyPress) out << "KeyPress";
    }
    if (auto* b = dynamic_cast<const ComboBox*>(&c)) {
        if (b->Change) out << "Change";
        if (b->KeyPress) out << "KeyPress";
    }
    return out;
}

// One line a control, parents before their controls: path, place and size, shown and enabled at
// load, caption, tool-tip and events.
void record(const Container& parent, const QString& path, QStringList& out) {
    for (const Control* c : parent.children()) {
        const QString name =
            c->index() >= 0 ? QStringLiteral("%1(%2)").arg(c->name()).arg(c->index()) : c->name();
        const QString at = path.isEmpty() ? name : path + u'/' + name;
        out << QStringLiteral("%1 %2,%3 %4x%5 %6%7 \"%8\" \"%9\" [%10]")
                   .arg(at)
                   .arg(c->left())
                   .arg(c->top())
                   .arg(c->width())
                   .arg(c->height())
                   .arg(c->visible() ? "shown" : "hidden", c->enabled() ? "" : " disabled", captionOf(*c),
                        c->toolTipText(), eventsOf(*c).join(u' '));
        if (auto* inner = dynamic_cast<const Container*>(c)) record(*inner, at, out);
    }
}

} // namespace

TEST(MainWindowControls, TheLayoutBuildsEveryControlAsRecorded) {
    testsupport::ProgramFolder folder;
    resetGlobals();
    auto f = std::make_shared<FrmMain>();
    QStringList lines{
        QStringLiteral("FrmMain %1x%2 \"%3\"").arg(f->width()).arg(f->height()).arg(f->caption())};
    record(*f, QString(), lines);

    QFile file(QStringLiteral(TEST_SOURCE_DIR "/game/main/fixtures/MainWindowControls.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the record is missing";
    const QStringList kept = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < std::max(kept.size(), lines.size()); ++i) {
        const QString want = i < kept.size() ? kept[i] : QString(),
                      got = i < lines.size() ? lines[i] : QString();
        ASSERT_EQ(got.toStdString(), want.toStdString()) << "line " << i + 1;
    }
}
