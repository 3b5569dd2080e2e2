#include "gui/kit/print_seam.h"

#include <QFontMetrics>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextLayout>

namespace vessa {
namespace {

QString& PdfFile() {
  static QString file;
  return file;
}

std::unique_ptr<QPrinter> PdfPrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(PdfFile());
  return printer;
}

PageSetupAnswerer& PageAnswerer() {
  static PageSetupAnswerer answerer;
  return answerer;
}

}  // namespace

void SetPageSetupAnswerer(PageSetupAnswerer answerer) { PageAnswerer() = std::move(answerer); }

std::optional<QPageLayout> AskPageSetup(QWidget* parent, const QPageLayout& layout) {
  if (PageAnswerer()) return PageAnswerer()(layout);
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(layout);
  QPageSetupDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return printer.pageLayout();
}

void SetPrintToPdf(const QString& fileName) { PdfFile() = fileName; }
void ClearPrintToPdf() { PdfFile().clear(); }

std::unique_ptr<QPrinter> DirectPrinter() {
  if (!PdfFile().isEmpty()) return PdfPrinter();
  return std::make_unique<QPrinter>(QPrinter::HighResolution);
}

std::unique_ptr<QPrinter> AskPrinter(QWidget* parent, const QPageLayout& layout) {
  auto printer = PdfFile().isEmpty() ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                                     : PdfPrinter();
  printer->setPageLayout(layout);
  if (!PdfFile().isEmpty()) return printer;
  QPrintDialog dialog(printer.get(), parent);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return printer;
}

void PrintLines(QPrinter& printer, const QStringList& lines, const QFont& font) {
  QPainter painter;
  if (!painter.begin(&printer)) return;
  // The font keeps its point size on paper: scale it to the printer's resolution.
  QFont paperFont(font, &printer);
  painter.setFont(paperFont);
  const QFontMetricsF metrics(paperFont, &printer);
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  const qreal width = page.width();
  const qreal lineHeight = metrics.lineSpacing();
  qreal y = 0;
  for (const QString& line : lines) {
    // A line wider than the page wraps, as an editor would print it.
    QTextLayout layout(line, paperFont, &printer);
    layout.beginLayout();
    for (QTextLine piece = layout.createLine(); piece.isValid(); piece = layout.createLine()) {
      piece.setLineWidth(width);
    }
    layout.endLayout();
    const int pieces = std::max(1, layout.lineCount());
    for (int i = 0; i < pieces; ++i) {
      if (y + lineHeight > page.height()) {
        printer.newPage();
        y = 0;
      }
      if (i < layout.lineCount()) layout.lineAt(i).draw(&painter, QPointF(0, y - layout.lineAt(i).y()));
      y += lineHeight;
    }
  }
  painter.end();
}

}  // namespace vessa
