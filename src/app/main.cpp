#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Vessa八字软件"));
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Vessa生辰八字排盘算命软件"));
  window.resize(800, 600);
  window.show();
  return QApplication::exec();
}
