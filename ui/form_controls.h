#pragma once

#include <array>

#include "model/quantity.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace rt::ui {

class PairList;
class ValueBox;

// The window's controls, each control array a container indexed by Index;
// Check1 and Text2 by Quantity.
struct FormControls {
  std::array<QPlainTextEdit*, 2> text1{};
  std::array<QLabel*, 2> label1{};
  QGroupBox* frame1 = nullptr;
  std::array<QCheckBox*, kQuantityCount> check1{};
  std::array<ValueBox*, kQuantityCount> text2{};
  PairList* list1 = nullptr;  // List1(0), the array's only member
  std::array<QPushButton*, 2> command1{};
  QLabel* picture1 = nullptr;
};

// Creates the twenty-one controls of the window definition on `window`, in
// tab order, each at its place with its caption, colours and flags.
FormControls BuildControls(QWidget* window);

}  // namespace rt::ui
