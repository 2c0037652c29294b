// right-triangle: computes the six lengths of a right triangle from two of
// them, for school students.

#include <QApplication>
#include <QFont>
#include <QScreen>
#include <QStyleFactory>

#include "platform/system_regional_settings.h"
#include "ui/triangle_form.h"
#include "ui/warning_presenter.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // One look on every platform, so that the painted button faces and the
  // colours show the same everywhere.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // Where Times New Roman is missing, a metric-compatible serif with Cyrillic
  // glyphs takes its place, never a sans font.
  QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                             {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                              QStringLiteral("Tinos Nerd Font"), QStringLiteral("DejaVu Serif")});
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/right-triangle/icon-32.png")));

  rt::ui::MessageBoxPresenter warnings;
  rt::ui::TriangleForm form(rt::SystemRegionalSettings(), warnings);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = form.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    form.move(frame.topLeft());
  }
  form.show();
  return QApplication::exec();
}
