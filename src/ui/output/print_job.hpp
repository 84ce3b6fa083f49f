#pragma once
// The print job: the chosen pictures drawn afresh on the printer's painter, at the printer's
// resolution and at their on-screen physical size, page after page.
#include <QSize>

#include "core/output/print_plan.hpp"

class QPainter;
class QPagedPaintDevice;

namespace tavir {
class Workspace;
}

namespace tavir::ui {

// Where the pages go: a printer, a PDF file, or images in tests.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    // The printable area in device pixels, and the resolution in dots per inch.
    virtual QSize pageSize() const = 0;
    virtual double dpiX() const = 0;
    virtual double dpiY() const = 0;
    // Opens the job with the painter on its first page; false when the device refuses.
    virtual bool begin(QPainter& painter) = 0;
    virtual void newPage(QPainter& painter) = 0;
    // Ends the job, which sends it to the printer or writes the file.
    virtual void end(QPainter& painter) = 0;
};

// A printer or a PDF writer.
class PagedDeviceTarget : public PrintTarget {
public:
    explicit PagedDeviceTarget(QPagedPaintDevice& device) : device_(device) {}
    QSize pageSize() const override;
    double dpiX() const override;
    double dpiY() const override;
    bool begin(QPainter& painter) override;
    void newPage(QPainter& painter) override;
    void end(QPainter& painter) override;

private:
    QPagedPaintDevice& device_;
};

enum class PrintResult {
    Printed,
    NothingChecked,  // no picture ticked
    EmptySeries,     // series mode and every construction empty
    CannotStart,     // the printer refused the job
};

// Prints the request, each construction drawn from its table entry with the current options
// and pose; nothing of the session changes.
PrintResult printPictures(const Workspace& workspace, const output::PrintRequest& request, PrintTarget& target);
PrintResult printPictures(const Workspace& workspace, const output::PrintRequest& request, QPagedPaintDevice& device);

}  // namespace tavir::ui
