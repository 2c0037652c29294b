// right-triangle: computes the six lengths of a right triangle from two of
// them, for school students.

#include <QApplication>
#include <QScreen>

#include "platform/system_regional_settings.h"
#include "ui/application_look.h"
#include "ui/triangle_form.h"
#include "ui/warning_presenter.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  rt::ui::ApplyApplicationLook();

  rt::ui::MessageBoxPresenter warnings;
  rt::ui::TriangleForm form(rt::SystemRegionalSettings(), warnings);
  // The window has no owner, so it opens centred on the screen.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = form.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    form.move(frame.topLeft());
  }
  form.show();
  return QApplication::exec();
}
