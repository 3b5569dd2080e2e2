#include "gui/divination/omen_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/divination/omens.h"
#include "gui/kit/qt_text.h"

namespace vessa {

TFormOnther::TFormOnther(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("TFormOnther"));
  setAttribute(Qt::WA_DeleteOnClose);

  // The pages carry no tabs: the window shows only the page it was opened for.
  pages_ = new QStackedWidget(this);
  pages_->setObjectName(QStringLiteral("PageControl"));
  for (int i = 0; i < kOmenTopicCount; ++i) {
    QStringList lines;
    for (const std::string& line : OmenPage(i)) lines << ToQString(line);
    auto* page = new QPlainTextEdit(lines.join(QLatin1Char('\n')), pages_);
    page->setObjectName(QStringLiteral("OmenPage%1").arg(i));
    page->setReadOnly(true);
    pages_->addWidget(page);
  }

  QStringList note;
  for (std::string_view line : OmenNote()) note << ToQString(line);
  auto* noteLabel = new QLabel(note.join(QLatin1Char('\n')), this);
  noteLabel->setObjectName(QStringLiteral("DoubleHourNote"));
  noteLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_, 1);
  layout->addWidget(noteLabel);
  resize(520, 480);
}

void TFormOnther::SelectPage(int index) {
  if (index >= 0 && index < pages_->count()) pages_->setCurrentIndex(index);
}

int TFormOnther::CurrentPage() const { return pages_->currentIndex(); }

TFormOnther* ShowOmen(QWidget* parent, const QString& caption, int index) {
  auto* window = new TFormOnther(parent);
  window->setWindowTitle(caption);
  window->SelectPage(index);
  window->show();
  return window;
}

}  // namespace vessa
