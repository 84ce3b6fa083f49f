#pragma once
// Where a print goes when it goes into a PDF file: a name no earlier print holds, in the
// pupil's documents, for the series' pictures and the exercise text alike.
#include <QString>
#include <string_view>

class QPrinter;

namespace tavir::ui {

// The file a print writes for the wanted one: itself while it is free, else the first free
// "-2", "-3"... beside it ("" stays ""). Whatever proposes a file to print into shows this.
QString freePrintFile(const QString& wanted);

// The printer a print starts with: the system's default, or where no printer is installed a
// PDF file of the given name in the documents folder (the name itself, not yet made free).
void startPrinter(QPrinter& printer, std::string_view pdfName);

}  // namespace tavir::ui
