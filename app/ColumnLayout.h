#pragma once
// Column layouts of the grids in the *.slo files of the program directory: order, widths, titles
// and visibility of the columns, kept by field name so that a layout still fits when a list's
// query gains or loses a column. The model must give each column's field under FieldRole.
#include <QString>
#include <filesystem>

class QTableView;

namespace kex::ui {

constexpr int FieldRole = 0x0101; // Qt::UserRole + 1

// Writes the grid's layout; false when the file cannot be written.
bool SaveColumnLayout(const QTableView& grid, const std::filesystem::path& file);

// Applies a saved layout. A missing file changes nothing. A damaged file, or one of another
// program, is left alone and reported by the result, so one bad file never stops the program:
// the grid keeps its design layout.
enum class LayoutLoad { Applied, Missing, Damaged };
LayoutLoad LoadColumnLayout(QTableView& grid, const std::filesystem::path& file);

} // namespace kex::ui
