// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/BackupPruning.h"

#include "operation/BackupNames.h"

#include <algorithm>
#include <sstream>

namespace operation {

std::vector<std::string> ParseStoredOrder(const std::string& text)
{
    std::vector<std::string> names;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (IsBackupFileName(line) && std::ranges::find(names, line) == names.end())
            names.push_back(line);
    }
    return names;
}

std::string StoredOrderText(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += name + '\n';
    return text;
}

PruneChoice ChooseBackupsToRemove(const std::vector<std::string>& storedOrder,
                                  const std::vector<std::string>& present,
                                  const std::set<std::string>& storedThisRun, std::size_t keep)
{
    PruneChoice choice;
    for (const std::string& name : storedOrder) {
        if (std::ranges::find(present, name) != present.end())
            choice.order.push_back(name);
    }
    std::size_t excess = choice.order.size() > keep ? choice.order.size() - keep : 0;
    std::erase_if(choice.order, [&](const std::string& name) {
        if (excess == 0 || storedThisRun.contains(name))
            return false;
        choice.remove.push_back(name);
        --excess;
        return true;
    });
    return choice;
}

}  // namespace operation
