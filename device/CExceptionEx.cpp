// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/CExceptionEx.h"

#include "device/FormatSystemMessage.h"

namespace device {

CExceptionEx::CExceptionEx(std::string context, std::string message)
    : context(std::move(context)), message(std::move(message)), code(0)
{}

CExceptionEx::CExceptionEx(std::string context, std::uint32_t code)
    : context(std::move(context)), message(FormatSystemMessage(code)), code(code)
{}

}  // namespace device
