#include "ui/output/print_file.hpp"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/files/file_io.hpp"
#include "ui/common/qt_text.hpp"
#include "ui/common/user_folders.hpp"

namespace tavir::ui {

QString freePrintFile(const QString& wanted) {
    if (wanted.isEmpty()) return wanted;
    return QString::fromStdString(unusedFileName(wanted.toStdString()).string());
}

void startPrinter(QPrinter& printer, std::string_view pdfName) {
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    if (printers.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir(documentsFolder()).filePath(utf8(pdfName)));
        return;
    }
    if (printer.printerName().isEmpty()) {
        const QPrinterInfo chosen = QPrinterInfo::defaultPrinter();
        printer.setPrinterName(chosen.isNull() ? printers.first().printerName() : chosen.printerName());
    }
}

}  // namespace tavir::ui
