#pragma once

#include <string>
#include <vector>

#include "form/form_properties.h"
#include "model/triangle_solver.h"
#include "runtime/regional_settings.h"

namespace rt {

// The handlers and procedures of TriangleForm, free of any toolkit. All state
// lives in the window's control properties, reached through FormProperties;
// the handlers dispatch on Index, and the procedures take no arguments and
// return nothing. The window raises Form_Load once when it has been built,
// Command1_Click when a button is pressed and List1_Click when the selected
// row changes (also by a write of ListIndex).
class TriangleFormLogic {
 public:
  // `solver` computes the lengths; the program's own unless a test counts
  // its runs.
  TriangleFormLogic(FormProperties& form, RegionalSettings settings, Solver solver = nullptr);

  // Event handlers.
  void Form_Load();
  void Command1_Click(int index);  // 0 "Изчисли", 1 "Изчисти"; others do nothing
  void List1_Click(int index);     // 0 the pair list; others do nothing

  // Procedures.
  void SelectGivenPair();
  void SolveTriangle();
  void ClearValues();

  const RegionalSettings& settings() const { return settings_; }

  // How the texts of the selected row's two given boxes read, where the
  // boxes alone would not say it ("4,8" read as 4, a value that is not
  // positive, an empty box): a note a box that needs one, taken before
  // „Изчисли“ writes the boxes. The window shows them beside the boxes;
  // they change nothing that the handlers do.
  struct BoxNote {
    int box;
    std::string note;
  };
  std::vector<BoxNote> GivenReadingNotes() const;

 private:
  FormProperties& form_;
  RegionalSettings settings_;
  Solver solver_;
};

}  // namespace rt
