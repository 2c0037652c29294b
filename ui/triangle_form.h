#pragma once

#include <QWidget>
#include <vector>

#include "form/form_properties.h"
#include "form/triangle_form_logic.h"
#include "runtime/regional_settings.h"
#include "ui/form_controls.h"

namespace rt::ui {

class WarningPresenter;

// The program's one window on Qt Widgets. Built from the fixed window
// definition; all state lives in its controls, which it offers to the
// window's logic as FormProperties. Its events reach the logic's three
// handlers.
class TriangleForm : public QWidget, private FormProperties {
  Q_OBJECT

 public:
  // Builds the window and raises Form_Load, as the forms runtime does before
  // it shows a window.
  TriangleForm(RegionalSettings settings, WarningPresenter& warnings, QWidget* parent = nullptr);

  const FormControls& controls() const { return controls_; }

  // Event handlers.
  void Form_Load() { logic_.Form_Load(); }
  void Command1_Click(int index) { logic_.Command1_Click(index); }
  void List1_Click(int index) { logic_.List1_Click(index); }

  // Procedures.
  void SelectGivenPair() { logic_.SelectGivenPair(); }
  void SolveTriangle() { logic_.SolveTriangle(); }
  void ClearValues() { logic_.ClearValues(); }

 private:
  int ListIndex() const override;
  void SetListIndex(int row) override;
  int CheckValue(int i) const override;
  void SetCheckValue(int i, int value) override;
  void SetCheckEnabled(int i, bool enabled) override;
  std::string Text(int i) const override;
  void SetText(int i, std::string_view text) override;
  void SetLocked(int i, bool locked) override;
  void SetMaxLength(int i, int length) override;
  void ShowFailure(const FailureMessage& message) override;
  void ShowReadingNotes(const std::vector<TriangleFormLogic::BoxNote>& notes);

  FormControls controls_;
  WarningPresenter& warnings_;
  TriangleFormLogic logic_;
};

}  // namespace rt::ui
