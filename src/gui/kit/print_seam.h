#pragma once

#include <QFont>
#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

// The one way the program reaches a printer. Tests set a PDF file as the
// printer, so nothing waits for a dialog or a real printer.
namespace vessa {

// While set, every print goes to a PDF file of this name, without a dialog.
void SetPrintToPdf(const QString& fileName);
void ClearPrintToPdf();

// A printer for a print at once (no dialog): the default printer, or the PDF
// file a test set.
std::unique_ptr<QPrinter> DirectPrinter();

// Asks for a printer with the print dialog (which offers printing to a PDF
// file); null when cancelled. Under a test's PDF file no dialog is shown.
std::unique_ptr<QPrinter> AskPrinter(QWidget* parent, const QPageLayout& layout);

// The page-setup dialog for a layout; the changed layout, or nullopt when
// cancelled. Tests install an answerer instead of the dialog.
using PageSetupAnswerer = std::function<std::optional<QPageLayout>(const QPageLayout& layout)>;
void SetPageSetupAnswerer(PageSetupAnswerer answerer);
std::optional<QPageLayout> AskPageSetup(QWidget* parent, const QPageLayout& layout);

// Prints the lines on the printer in the font, one text line a line, flowing
// over as many pages as they need, within the printer's page layout.
void PrintLines(QPrinter& printer, const QStringList& lines, const QFont& font);

}  // namespace vessa
