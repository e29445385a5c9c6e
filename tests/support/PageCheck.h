// A printed job as a reader sees its pages: texts that overlap or run into each other, and texts
// or pictures that the page cuts.
#pragma once

#include <QStringList>
#include <functional>

namespace platform {
class Printer;
}

namespace testsupport {

// One line per fault, naming the page and the texts; empty when every page reads whole.
QStringList printedPageFaults(const platform::Printer& job);

// The faults of every job that ends while it lives, whichever printer object ran it, each with
// the number of the job; `jobs` counts them.
class PrintedPages {
  public:
    PrintedPages();
    ~PrintedPages();
    PrintedPages(const PrintedPages&) = delete;
    PrintedPages& operator=(const PrintedPages&) = delete;
    std::string faults() const { return faults_.join(u'\n').toStdString(); }
    int jobs = 0;

  private:
    QStringList faults_;
};

} // namespace testsupport
