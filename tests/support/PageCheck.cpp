#include "PageCheck.h"

#include "platform/Printing.h"

namespace testsupport {

QStringList printedPageFaults(const platform::Printer& job) {
    QStringList out;
    const QList<platform::PrintedItem>& items = job.jobItems();
    const QRectF page(QPointF(0, 0), job.printableSize());
    auto name = [](const platform::PrintedItem& i) {
        return i.text.isEmpty() ? QStringLiteral("a picture") : QStringLiteral("\"%1\"").arg(i.text);
    };
    for (int a = 0; a < items.size(); ++a) {
        const platform::PrintedItem& i = items[a];
        if (i.rect.isEmpty()) continue;
        // Half a twip of slack for the rounding of device pixels.
        if (!page.adjusted(-0.5, -0.5, 0.5, 0.5).contains(i.rect))
            out << QStringLiteral("page %1: %2 is cut by the page").arg(i.page).arg(name(i));
        if (i.text.trimmed().isEmpty()) continue;
        for (int b = a + 1; b < items.size(); ++b) {
            const platform::PrintedItem& j = items[b];
            if (j.page != i.page || j.text.trimmed().isEmpty()) continue;
            const double shared =
                std::min(i.rect.bottom(), j.rect.bottom()) - std::max(i.rect.top(), j.rect.top());
            if (shared <= 0) continue;
            // Texts on one line need about a blank between them to be read apart.
            const double gap =
                std::max(i.rect.left(), j.rect.left()) - std::min(i.rect.right(), j.rect.right());
            const double blank = std::min(i.rect.height(), j.rect.height()) / 4;
            if (gap < 0)
                out << QStringLiteral("page %1: %2 and %3 overlap").arg(i.page).arg(name(i), name(j));
            else if (gap < blank)
                out << QStringLiteral("page %1: %2 and %3 run into each other")
                           .arg(i.page)
                           .arg(name(i), name(j));
        }
    }
    return out;
}

PrintedPages::PrintedPages() {
    platform::Printer::setJobEndWatch([this](const platform::Printer& job) {
        ++jobs;
        for (const QString& f : printedPageFaults(job))
            faults_ << QStringLiteral("job %1, %2").arg(jobs).arg(f);
    });
}

PrintedPages::~PrintedPages() {
    platform::Printer::setJobEndWatch(nullptr);
}

} // namespace testsupport
