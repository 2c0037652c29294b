#include "ui/application_look.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

namespace rt::ui {

void ApplyApplicationLook() {
  // Fusion is built into Qt Widgets: no style plugin is loaded for it.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                             {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                              QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif")});
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/right-triangle/icon-32.png")));
}

}  // namespace rt::ui
