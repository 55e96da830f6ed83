// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/zaq-sim/EepromImage.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/AtomicReplace.h"

namespace zaqsim {

bool EepromImage::Load(const std::string& path, std::string& error)
{
    std::lock_guard lock(mutex_);
    path_ = path;
    bytes_.fill(0);
    if (path.empty())
        return true;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (errno != ENOENT) {
            error = path + ": " + std::strerror(errno);
            return false;
        }
        return SaveLocked(&error);
    }
    std::vector<char> content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (content.size() != kSize) {
        error = path + ": an EEPROM image has " + std::to_string(kSize) + " bytes, this file has " +
                std::to_string(content.size());
        return false;
    }
    std::memcpy(bytes_.data(), content.data(), kSize);
    return true;
}

std::uint8_t EepromImage::Get(std::uint8_t address) const
{
    std::lock_guard lock(mutex_);
    return bytes_[address];
}

bool EepromImage::Put(std::uint8_t address, std::uint8_t value)
{
    std::lock_guard lock(mutex_);
    bytes_[address] = value;
    return SaveLocked(nullptr);
}

void EepromImage::Fill(const std::array<std::uint8_t, kSize>& bytes)
{
    std::lock_guard lock(mutex_);
    bytes_ = bytes;
    SaveLocked(nullptr);
}

std::array<std::uint8_t, EepromImage::kSize> EepromImage::Bytes() const
{
    std::lock_guard lock(mutex_);
    return bytes_;
}

bool EepromImage::SaveLocked(std::string* error)
{
    if (path_.empty())
        return true;
    if (const std::error_code failed = platform::ReplaceFile(path_, bytes_)) {
        if (error)
            *error = path_ + ": " + failed.message();
        return false;
    }
    return true;
}

}  // namespace zaqsim
