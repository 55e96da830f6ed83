// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where --trace writes: checked like FILE before the device is touched, and its write errors kept
// to be reported when the connection is over.

#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

namespace probexcli {

class TraceFile {
public:
    TraceFile();
    ~TraceFile();
    TraceFile(const TraceFile&) = delete;
    TraceFile& operator=(const TraceFile&) = delete;

    // "-" is `err`. Anything else must be a regular file or missing, and never the file at
    // `dumpTarget` (the command's FILE, links followed; empty for none): a FIFO or a device is
    // refused without being opened. False with the message for the user.
    bool Open(const std::string& path, const std::string& dumpTarget, std::ostream& err, std::string& error);

    // Where the trace goes; null when none was asked for.
    std::ostream* Stream() { return out_; }

    // After the last line: false with the message when some of the trace could not be written.
    bool Finish(std::string& error);

private:
    class Buffer;
    std::string shown_;  // the path as messages show it
    std::unique_ptr<Buffer> buffer_;
    std::unique_ptr<std::ostream> file_;
    std::ostream* out_ = nullptr;
};

}  // namespace probexcli
