#include "LayoutCheck.h"

#include "platform/Form.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTextDocument>

namespace testsupport {

namespace {

QString pathOf(const QWidget* w, const QWidget* top) {
    QStringList names;
    for (const QWidget* p = w; p && p != top; p = p->parentWidget())
        if (!p->objectName().isEmpty()) names.prepend(p->objectName());
    return names.join(u'/');
}

QString shown(QString text) {
    // "&&" shows one "&"; a single "&" marks the access key and is not drawn.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

void checkLabel(const QLabel* l, QStringList& out, const QString& name) {
    const QString text = l->text();
    if (text.isEmpty() || !l->pixmap().isNull()) return;
    const QRect cr = l->contentsRect();
    const QFontMetrics fm(l->font());
    int avail = cr.width();
    if (l->frameWidth() > 0 && !(l->alignment() & Qt::AlignHCenter)) avail -= fm.horizontalAdvance(u'x') / 2;
    if (l->textFormat() == Qt::RichText || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument doc;
        doc.setDefaultFont(l->font());
        doc.setDocumentMargin(0);
        doc.setHtml(text);
        if (doc.idealWidth() > avail + 1)
            out << QStringLiteral("%1: text %2 px wide in %3 px").arg(name).arg(doc.idealWidth()).arg(avail);
        return;
    }
    if (!l->wordWrap()) {
        if (fm.horizontalAdvance(text) > avail)
            out << QStringLiteral("%1: \"%2\" cut (%3 px in %4 px)")
                       .arg(name, text)
                       .arg(fm.horizontalAdvance(text))
                       .arg(avail);
        else if (fm.height() > cr.height() + 1)
            out << QStringLiteral("%1: \"%2\" too low (%3 px in %4 px)")
                       .arg(name, text)
                       .arg(fm.height())
                       .arg(cr.height());
        return;
    }
    const QRect need = fm.boundingRect(QRect(0, 0, avail, 100000), Qt::TextWordWrap | l->alignment(), text);
    if (need.width() > avail || need.height() > cr.height() + 1)
        out << QStringLiteral("%1: \"%2\" wraps out of its box (%3x%4 px in %5x%6 px)")
                   .arg(name, text)
                   .arg(need.width())
                   .arg(need.height())
                   .arg(avail)
                   .arg(cr.height());
}

void checkWidth(const QWidget* w, int needed, const QString& text, QStringList& out, const QString& name) {
    if (needed > w->width())
        out << QStringLiteral("%1: \"%2\" cut (%3 px in %4 px)").arg(name, text).arg(needed).arg(w->width());
}

int widestItem(const QFontMetrics& fm, const QStringList& items) {
    int widest = 0;
    for (const QString& s : items) widest = std::max(widest, fm.horizontalAdvance(s));
    return widest;
}

void checkControl(const QWidget* w, QStringList& out, const QString& name) {
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        checkLabel(l, out, name);
    } else if (auto* b = qobject_cast<const QPushButton*>(w)) {
        if (!b->icon().isNull() || b->text().isEmpty()) return;
        const QString text = shown(b->text());
        const int margin = b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) +
                           2 * b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
        checkWidth(b, QFontMetrics(b->font()).horizontalAdvance(text) + margin, text, out, name);
    } else if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
        auto* b = static_cast<const QAbstractButton*>(w);
        if (!b->text().isEmpty()) checkWidth(b, b->sizeHint().width(), shown(b->text()), out, name);
    } else if (auto* g = qobject_cast<const QGroupBox*>(w)) {
        if (!g->title().isEmpty()) {
            const QString text = shown(g->title());
            checkWidth(g, QFontMetrics(g->font()).horizontalAdvance(text) + 16, text, out, name);
        }
    } else if (auto* e = qobject_cast<const QLineEdit*>(w)) {
        if (!e->text().isEmpty())
            checkWidth(e, QFontMetrics(e->font()).horizontalAdvance(e->text()) + 8, e->text(), out, name);
    } else if (auto* c = qobject_cast<const QComboBox*>(w)) {
        QStringList items;
        for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
        const int widest = widestItem(QFontMetrics(c->view()->font()), items);
        const int popup = std::max(c->width(), c->view()->minimumWidth());
        // The popup's frame, the item's margins and a scroll bar when the list is long.
        const int room = popup - 12 - (c->count() > c->maxVisibleItems() ? 16 : 0);
        if (widest > room)
            out << QStringLiteral("%1: list items cut (%2 px in %3 px)").arg(name).arg(widest).arg(room);
        // Whatever is picked shows whole in the box itself, beside the arrow.
        constexpr int kArrowAndFrame = 28;
        const QFontMetrics fm(c->font());
        items << c->currentText();
        if (widestItem(fm, items) + kArrowAndFrame > c->width())
            out << QStringLiteral("%1: an item is cut in the box (%2 px in %3 px)")
                       .arg(name)
                       .arg(widestItem(fm, items) + kArrowAndFrame)
                       .arg(c->width());
    } else if (auto* list = qobject_cast<const QListWidget*>(w)) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
        const QFontMetrics fm(list->font());
        const int widest = widestItem(fm, items);
        // The list's own width, shown or not: its frame, the item margins, a scroll bar when long.
        const bool scrolls = list->count() * fm.height() > list->height() - 2 * list->frameWidth();
        const int room = list->width() - 2 * list->frameWidth() - 6 - (scrolls ? 16 : 0);
        if (widest > room)
            out << QStringLiteral("%1: list items cut (%2 px in %3 px)").arg(name).arg(widest).arg(room);
    }
}

bool holdsControls(const QWidget* w) {
    return !qobject_cast<const QComboBox*>(w) && !qobject_cast<const QAbstractScrollArea*>(w) &&
           !qobject_cast<const QLineEdit*>(w) && !qobject_cast<const QAbstractButton*>(w) &&
           !qobject_cast<const QLabel*>(w);
}

// A control that shows something: an empty caption or a picture may lie under another control.
bool showsText(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return !l->text().isEmpty() && l->pixmap().isNull();
    return !qobject_cast<const QGroupBox*>(w) || !static_cast<const QGroupBox*>(w)->title().isEmpty();
}

// A control that stands on or right under a frame's title, where the two read as one.
void checkFrameTitle(const QGroupBox* g, const QWidget* top, QStringList& out) {
    if (g->title().isEmpty()) return;
    QStyleOptionGroupBox opt;
    opt.initFrom(g);
    opt.text = g->title();
    opt.textAlignment = g->alignment();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    opt.lineWidth = 1;
    const QRect title = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
    const QRect inside =
        g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxContents, g);
    // Under the title, down to two pixels below the frame's line.
    const QRect kept(title.left(), 0, title.width(), inside.top() + 2);
    for (QObject* o : g->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        // A line or a picture may meet the frame's line; a text may not.
        const bool text = qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
                          qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w) ||
                          qobject_cast<const QAbstractScrollArea*>(w);
        if (w && !w->isWindow() && !w->isHidden() && text && showsText(w) && w->geometry().intersects(kept))
            out << QStringLiteral("%1 touches the title of %2").arg(pathOf(w, top), pathOf(g, top));
    }
}

void walk(const QWidget* parent, const QRect& room, const QWidget* top, QStringList& out) {
    QList<const QWidget*> shown;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow() && !w->isHidden() && showsText(w)) shown << w;
    }
    for (int i = 0; i < shown.size(); ++i)
        for (int j = i + 1; j < shown.size(); ++j)
            if (shown[i]->geometry().intersects(shown[j]->geometry()))
                out << QStringLiteral("%1 and %2 overlap").arg(pathOf(shown[i], top), pathOf(shown[j], top));
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || w->isHidden()) continue;
        const QString name = pathOf(w, top);
        if (!room.contains(w->geometry()))
            out << QStringLiteral("%1: sticks out of %2")
                       .arg(name, parent == top ? QStringLiteral("the window") : parent->objectName());
        checkControl(w, out, name);
        if (holdsControls(w)) walk(w, w->rect(), top, out);
    }
}

} // namespace

QStringList clippedControls(QWidget* top) {
    QStringList out;
    walk(top, top->rect(), top, out);
    return out;
}

QStringList frameTitleFaults(platform::Form& form) {
    QStringList out;
    const QWidget* top = form.childArea();
    for (const QGroupBox* g : top->findChildren<QGroupBox*>())
        if (g->isVisibleTo(top)) checkFrameTitle(g, top, out);
    return out;
}

QStringList clippedControls(platform::Form& form) {
    // The client area as the window is sized, whether or not it has been shown yet.
    QStringList out;
    const QRect client(0, 0, form.width() / platform::kTwipsPerPixel,
                       form.height() / platform::kTwipsPerPixel);
    walk(form.childArea(), client, form.childArea(), out);
    return out;
}

std::string layoutFaults(platform::Form& form) {
    return clippedControls(form).join(u'\n').toStdString();
}

std::string layoutAndTitleFaults(platform::Form& form) {
    return (clippedControls(form) + frameTitleFaults(form)).join(u'\n').toStdString();
}

} // namespace testsupport
