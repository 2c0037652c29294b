#pragma once

#include <QString>

class QWidget;

namespace rt::ui {

// Shows a warning to the student. Behind an interface so that tests can see
// what would be shown without a modal box blocking them.
class WarningPresenter {
 public:
  virtual ~WarningPresenter() = default;
  virtual void ShowWarning(QWidget* parent, const QString& title, const QString& text,
                           const QString& advice) = 0;
};

// The real one: a modal warning message box.
class MessageBoxPresenter : public WarningPresenter {
 public:
  void ShowWarning(QWidget* parent, const QString& title, const QString& text,
                   const QString& advice) override;
};

}  // namespace rt::ui
