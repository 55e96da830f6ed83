// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/CExceptionEx.h"

#include "device/FormatSystemMessage.h"

namespace device {

CExceptionEx::CExceptionEx(std::string contextText, std::string messageText)
    : context(std::move(contextText)), message(std::move(messageText)), code(0)
{}

CExceptionEx::CExceptionEx(std::string contextText, std::uint32_t errorCode)
    : context(std::move(contextText)), message(FormatSystemMessage(errorCode)), code(errorCode)
{}

}  // namespace device
