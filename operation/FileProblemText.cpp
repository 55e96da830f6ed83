// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/FileProblemText.h"

#include "platform/RegularFile.h"
#include "res/StringTable.h"

namespace operation {

std::string FileProblemText(const std::error_code& error)
{
    if (error == platform::FileRefusal::NotRegular)
        return res::LoadString(res::IDS_FILE_NOT_REGULAR);
    if (error == platform::FileRefusal::Link)
        return res::LoadString(res::IDS_FILE_IS_LINK);
    return error.message();
}

}  // namespace operation
