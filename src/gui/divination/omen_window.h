#pragma once

#include <QWidget>

class QStackedWidget;

namespace vessa {

// A folk-omen window: one of seven fixed pages, read by the hour of the day, with
// the note on the double hours under it. Modeless; several may be open at once;
// closing one destroys it.
class TFormOnther : public QWidget {
  Q_OBJECT

 public:
  explicit TFormOnther(QWidget* parent = nullptr);

  void SelectPage(int index);
  int CurrentPage() const;

 private:
  QStackedWidget* pages_;
};

// Opens a new omen window with that caption, showing page `index` (0-6).
TFormOnther* ShowOmen(QWidget* parent, const QString& caption, int index);

}  // namespace vessa
