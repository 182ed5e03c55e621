#pragma once
// The engine speaks UTF-8 std::string, Qt speaks QString; these two are the only crossing.
#include <QString>
#include <string>
#include <string_view>

namespace kex::ui {

inline QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string us(const QString& text) { return text.toStdString(); }

} // namespace kex::ui
