// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which of a device's backups go once there are too many: decided by the order in which this
// program stored them, which a folder keeps in a file of its own, never by the moments in their
// names (a wrong clock or a copied folder would make those lie).

#include <set>
#include <string>
#include <vector>

namespace operation {

// The file in a device's folder that names its backups in the order they were stored, oldest
// first, one a line.
inline constexpr char kStoredOrderFile[] = ".stored-order";

// The backups' names in that file, each once; lines that name no backup are left out.
std::vector<std::string> ParseStoredOrder(const std::string& text);
std::string StoredOrderText(const std::vector<std::string>& names);

struct PruneChoice {
    std::vector<std::string> remove;  // the earliest stored beyond the kept number
    std::vector<std::string> order;   // the stored order from now on: the present ones that stay
};

// At most `keep` of the backups this program stored (those of `storedOrder` still `present`)
// stay: the earliest stored go first, but never one of `storedThisRun`. A file the order does not
// name was put there otherwise, and is neither counted nor removed.
PruneChoice ChooseBackupsToRemove(const std::vector<std::string>& storedOrder,
                                  const std::vector<std::string>& present,
                                  const std::set<std::string>& storedThisRun, std::size_t keep);

}  // namespace operation
