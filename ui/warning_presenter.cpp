#include "ui/warning_presenter.h"

#include <QMessageBox>
#include <QPushButton>

namespace rt::ui {

void MessageBoxPresenter::ShowWarning(QWidget* parent, const QString& title, const QString& text,
                                      const QString& advice) {
  QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
  box.setInformativeText(advice);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("Добре"));
  box.setObjectName("FailureMessage");
  box.exec();
}

}  // namespace rt::ui
