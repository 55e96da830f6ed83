// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "dumpedit/core/DumpClipboard.h"

#include <cstdint>

namespace dumpedit {

// The application clipboard: raw bytes under the Windows-mapped "BinaryData" MIME type, the
// text form as text/plain.
class CQtDumpClipboard : public dumpedit::IDumpClipboard {
public:
    static const QString& BinaryMimeType();
    static CQtDumpClipboard& Instance();

    void Offer(const std::vector<std::uint8_t>& binaryBlock, const std::string& text) override;
    bool HasBinaryData() const override;
    std::optional<std::vector<std::uint8_t>> BinaryData() const override;
    std::optional<std::string> Text() const override;
};

}  // namespace dumpedit
