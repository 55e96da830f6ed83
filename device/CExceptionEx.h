// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

namespace device {

// The exception of the thread and event wrappers, thrown and caught by value.
class CExceptionEx {
public:
    CExceptionEx(std::string contextText, std::string messageText);
    // The message is the system's text for `errorCode`.
    CExceptionEx(std::string contextText, std::uint32_t errorCode);

    const std::string& GetContext() const { return context; }
    const std::string& GetMessage() const { return message; }
    std::uint32_t GetCode() const { return code; }

private:
    std::string context;
    std::string message;
    std::uint32_t code;
};

}  // namespace device
