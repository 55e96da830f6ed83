// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <utility>

class QIODevice;

namespace app {

// An open file with its direction, handed to a document's Serialize. A short read or a failed
// write marks the archive as failed; the caller then reports the load or save as failed.
class CArchive {
public:
    enum class Mode {
        Store,
        Load
    };

    // `path` names the file when `file` cannot (one opened from a descriptor).
    CArchive(QIODevice& file, Mode mode, QString path = {}) : file_(file), mode_(mode), path_(std::move(path))
    {}

    bool IsStoring() const { return mode_ == Mode::Store; }
    bool IsLoading() const { return mode_ == Mode::Load; }
    // The length of the file being loaded, in bytes.
    std::uint64_t GetFileLength() const;
    // The file's name without its folder; empty when the archive is on no named file.
    QString GetFileName() const;

    void Write(const std::uint8_t* data, std::size_t size);
    // Reads exactly size bytes; returns false (and fails the archive) when fewer arrive.
    bool Read(std::uint8_t* data, std::size_t size);

    bool HasFailed() const { return failed_; }
    // The document turned the file down and has told the user why: the load fails without a
    // second message, and the document stays as it was.
    void Refuse() { failed_ = refused_ = true; }
    bool WasRefused() const { return refused_; }

private:
    QIODevice& file_;
    Mode mode_;
    QString path_;
    bool failed_ = false;
    bool refused_ = false;
};

}  // namespace app
