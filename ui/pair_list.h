#pragma once

#include <QListWidget>

namespace rt::ui {

// The pair list: exactly one row stays selected once one is, as in the forms
// runtime's list box (Qt's single selection would let Ctrl+click clear it).
// ListIndex is the selected row, -1 when none.
class PairList : public QListWidget {
  Q_OBJECT

 public:
  using QListWidget::QListWidget;

  int listIndex() const { return currentRow(); }
  // Selects a row. A different row emits currentRowChanged, to which the
  // window connects List1_Click, before this returns.
  void setListIndex(int row) { setCurrentRow(row, QItemSelectionModel::ClearAndSelect); }

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
};

}  // namespace rt::ui
