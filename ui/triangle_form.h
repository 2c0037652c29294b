#pragma once

#include <QWidget>

#include "runtime/regional_settings.h"
#include "ui/form_controls.h"

namespace rt::ui {

class WarningPresenter;

// The program's one window. Built from the fixed window definition; all state
// lives in its controls. The three handlers dispatch on Index to the three
// procedures, which take no arguments and return nothing.
class TriangleForm : public QWidget {
  Q_OBJECT

 public:
  // Builds the window and raises Form_Load, as the forms runtime does before
  // it shows a window.
  TriangleForm(RegionalSettings settings, WarningPresenter& warnings, QWidget* parent = nullptr);

  const FormControls& controls() const { return controls_; }

  // Event handlers.
  void Form_Load();
  void Command1_Click(int index);
  void List1_Click(int index);

  // Procedures.
  void SelectGivenPair();
  void SolveTriangle();
  void ClearValues();

 private:
  FormControls controls_;
  RegionalSettings settings_;
  WarningPresenter& warnings_;
};

}  // namespace rt::ui
