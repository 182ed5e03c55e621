#pragma once
// The form-state store: values of the window's controls kept between runs, one section per form
// ([TForm1], [TFobdobi]) in the program's own ini file kex.ini beside the program.
//
// kex.ini also holds the engine's sections (export directories, passwords), which the engine reads
// with its own case-insensitive reader. The store therefore reads and writes the file in that plain
// Windows form: values exactly as typed (a path such as C:\export stays as it is, where Qt's own ini
// format would take the backslash for an escape), every other section written back unchanged.
#include <QSettings>
#include <filesystem>
#include <memory>

namespace kex::ui {

std::unique_ptr<QSettings> OpenFormState(const std::filesystem::path& programDir);

} // namespace kex::ui
