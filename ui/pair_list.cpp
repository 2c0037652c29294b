#include "ui/pair_list.h"

namespace rt::ui {

QItemSelectionModel::SelectionFlags PairList::selectionCommand(const QModelIndex& index,
                                                               const QEvent* event) const {
  const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
  if (command.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
    return QItemSelectionModel::ClearAndSelect;
  }
  return command;
}

}  // namespace rt::ui
