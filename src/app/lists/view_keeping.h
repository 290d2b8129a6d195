#pragma once

#include <functional>

class QTableView;

namespace hoopdeck::app {

class TextTableModel;

// Refills a list and puts back what the user had in it: the selected rows,
// the current row and both scroll positions, as far as the new rows reach.
// For a rebuild that changes the texts (new times), not the rows.
void refillKeepingPlace(QTableView *view, TextTableModel *model, const std::function<void()> &fill);

} // namespace hoopdeck::app
