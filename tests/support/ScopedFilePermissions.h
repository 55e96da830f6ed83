// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Makes file permissions bind the calling thread even when it runs as root, by dropping the
// capability to override them from its effective set for the object's lifetime.
class ScopedFilePermissions {
public:
    ScopedFilePermissions();
    ~ScopedFilePermissions();
    ScopedFilePermissions(const ScopedFilePermissions&) = delete;
    ScopedFilePermissions& operator=(const ScopedFilePermissions&) = delete;

private:
    unsigned savedEffective_[2] = {0, 0};
    bool dropped_ = false;
};
