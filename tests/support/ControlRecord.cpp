#include "ControlRecord.h"

#include "platform/Form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

using namespace platform;

namespace testsupport {

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

QString hex(long colour) {
    return QStringLiteral("%1").arg(colour, 6, 16, QLatin1Char('0'));
}

// What sets the control apart from its kind's defaults, read from the control and its widget.
QString lookOf(const Control& c) {
    QStringList out{QStringLiteral("back=%1 fore=%2").arg(hex(c.backColor()), hex(c.foreColor()))};
    const QWidget* w = c.widget();
    if (c.fontPoints() > 0) out << QStringLiteral("pt=%1").arg(c.fontPoints());
    if (w->font().bold()) out << "bold";
    if (w->font().family() != QApplication::font().family()) out << "font=" + w->font().family();
    if (auto* l = dynamic_cast<const Label*>(&c)) {
        if (l->borderStyle() != 0) out << "border";
        if (l->backStyle() == 0) out << "transparent";
    }
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->wordWrap()) out << "wrap";
        out << QStringLiteral("align=%1").arg(int(l->alignment()));
        if (l->pixmap().width() > 0)
            out << QStringLiteral("pixmap=%1x%2").arg(l->pixmap().width()).arg(l->pixmap().height());
    }
    if (auto* e = qobject_cast<const QLineEdit*>(w)) {
        out << QStringLiteral("max=%1 align=%2").arg(e->maxLength()).arg(int(e->alignment()));
        if (e->isReadOnly()) out << "locked";
    }
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        if (!b->icon().isNull()) out << "icon";
        if (b->isChecked()) out << "checked";
    }
    if (auto* i = dynamic_cast<const Image*>(&c); i && i->hasPicture())
        out << QStringLiteral("picture=%1x%2").arg(i->picture().width()).arg(i->picture().height());
    if (auto* p = dynamic_cast<const PictureBox*>(&c); p && p->hasPicture())
        out << QStringLiteral("picture=%1x%2 scale=%3,%4,%5,%6")
                   .arg(p->picture().width())
                   .arg(p->picture().height())
                   .arg(p->scaleLeft())
                   .arg(p->scaleTop())
                   .arg(p->scaleWidth())
                   .arg(p->scaleHeight());
    if (auto* k = dynamic_cast<const CheckBox*>(&c); k && k->value() != 0)
        out << QStringLiteral("value=%1").arg(k->value());
    if (auto* o = dynamic_cast<const OptionButton*>(&c); o && o->value()) out << "set";
    if (auto* l = dynamic_cast<const ListBox*>(&c); l && l->sorted()) out << "sorted";
    if (auto* l = dynamic_cast<const Line*>(&c))
        out << QStringLiteral("ends=%1,%2,%3,%4").arg(l->x1()).arg(l->y1()).arg(l->x2()).arg(l->y2());
    return out.join(u' ');
}

// Parents before their controls.
void record(const Container& parent, const QString& path, QStringList& out) {
    for (const Control* c : parent.children()) {
        const QString name =
            c->index() >= 0 ? QStringLiteral("%1(%2)").arg(c->name()).arg(c->index()) : c->name();
        const QString at = path.isEmpty() ? name : path + u'/' + name;
        out << QStringLiteral("%1 %2,%3 %4x%5 %6%7 \"%8\" \"%9\" [%10] {%11}")
                   .arg(at)
                   .arg(c->left())
                   .arg(c->top())
                   .arg(c->width())
                   .arg(c->height())
                   .arg(c->visible() ? "shown" : "hidden", c->enabled() ? "" : " disabled", captionOf(*c),
                        c->toolTipText(), eventsOf(*c).join(u' '), lookOf(*c));
        if (auto* inner = dynamic_cast<const Container*>(c)) record(*inner, at, out);
    }
}

} // namespace

QStringList recordControls(const Form& form) {
    QStringList lines{QStringLiteral("%1 %2x%3 \"%4\"")
                          .arg(form.name())
                          .arg(form.width())
                          .arg(form.height())
                          .arg(form.caption())};
    record(form, QString(), lines);
    return lines;
}

std::string differenceFromRecord(const Form& form, const QString& fixture) {
    const QStringList lines = recordControls(form);
    QFile file(QStringLiteral(TEST_SOURCE_DIR "/") + fixture);
    if (qEnvironmentVariableIsSet("ZELTWAR_RECORD")) {
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return "cannot write " + fixture.toStdString();
        file.write(lines.join(u'\n').toUtf8() + '\n');
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) return "the record " + fixture.toStdString() + " is missing";
    const QStringList kept = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < std::max(kept.size(), lines.size()); ++i) {
        const QString want = i < kept.size() ? kept[i] : QString(),
                      got = i < lines.size() ? lines[i] : QString();
        if (got != want)
            return QStringLiteral("line %1\n  made:     %2\n  recorded: %3")
                .arg(i + 1)
                .arg(got, want)
                .toStdString();
    }
    return {};
}

} // namespace testsupport
