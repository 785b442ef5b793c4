#pragma once

#include <string_view>

#include <QString>

namespace vortalin::qt {

/// The one conversion of the shared layer's UTF-8 text to Qt's.
inline QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace vortalin::qt
