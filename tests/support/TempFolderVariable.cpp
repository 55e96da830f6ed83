// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/TempFolderVariable.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;

namespace testsupport {

TempFolderVariable::TempFolderVariable(std::string variable, const std::string& prefix)
    : variable_(std::move(variable))
{
    std::string pattern = (fs::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
    if (const char* value = std::getenv(variable_.c_str())) {
        hadPrevious_ = true;
        previous_ = value;
    }
    setenv(variable_.c_str(), path_.c_str(), 1);
}

TempFolderVariable::~TempFolderVariable()
{
    if (hadPrevious_) {
        setenv(variable_.c_str(), previous_.c_str(), 1);
    } else {
        unsetenv(variable_.c_str());
    }
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

}  // namespace testsupport
