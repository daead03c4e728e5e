// The program's texts are UTF-8 (std::string_view); Qt's are QString.
#pragma once

#include <QString>

#include <string_view>

namespace otpor::qt {

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace otpor::qt
