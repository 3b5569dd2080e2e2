#include "gui/articles/article_window.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include "core/articles/article_library.h"
#include "gui/kit/qt_text.h"
#include "gui/kit/result_font.h"

namespace vessa {

TFrmNote::TFrmNote(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("TFrmNote"));
  setAttribute(Qt::WA_DeleteOnClose);
  pane_ = new QPlainTextEdit(this);
  pane_->setObjectName(QStringLiteral("NotePane"));
  pane_->setReadOnly(true);
  pane_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont font(InstalledSongFamily().isEmpty() ? ResultFontFamily() : InstalledSongFamily());
  font.setPixelSize(12);
  pane_->setFont(font);
  QPalette palette = pane_->palette();
  palette.setColor(QPalette::Base, QColor(239, 248, 254));
  pane_->setPalette(palette);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pane_);
  resize(560, 420);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

TFrmNote* ShowArticle(const data::ContentStore& store, std::string_view key, QWidget* parent) {
  const Article article = LoadArticle(store, key);
  auto* viewer = new TFrmNote(parent);
  viewer->Pane()->setPlainText(ToQString(article.text));
  viewer->setWindowTitle(ToQString(article.title));
  viewer->show();
  return viewer;
}

}  // namespace vessa
