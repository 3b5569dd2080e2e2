#pragma once

#include <QWidget>

#include <string_view>

#include "core/data/content_store.h"

class QPlainTextEdit;

namespace vessa {

// The article viewer: one stored article in a read-only pane, captioned with its
// title. Modeless; every command opens a new one, which deletes itself when closed.
class TFrmNote : public QWidget {
  Q_OBJECT

 public:
  explicit TFrmNote(QWidget* parent = nullptr);
  QPlainTextEdit* Pane() const { return pane_; }

 private:
  QPlainTextEdit* pane_;
};

// Loads the article of the key into a new viewer and shows it without waiting.
// A failing lookup throws SilentAbort before any viewer exists.
TFrmNote* ShowArticle(const data::ContentStore& store, std::string_view key, QWidget* parent);

}  // namespace vessa
