// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A new temporary folder that an environment variable names for the object's lifetime; the
// variable's earlier value comes back, and the folder goes, when it is destroyed.
#include <string>

namespace testsupport {

class TempFolderVariable {
public:
    // The folder is made in the system's temporary folder, its name starting with `prefix`.
    TempFolderVariable(std::string variable, const std::string& prefix);
    ~TempFolderVariable();
    TempFolderVariable(const TempFolderVariable&) = delete;
    TempFolderVariable& operator=(const TempFolderVariable&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string variable_;
    std::string path_;
    bool hadPrevious_ = false;
    std::string previous_;
};

}  // namespace testsupport
