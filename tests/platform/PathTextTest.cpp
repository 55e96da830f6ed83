// SPDX-License-Identifier: GPL-3.0-or-later
// Names as messages show them.
#include <gtest/gtest.h>

#include "platform/PathText.h"

namespace {

TEST(PathText, PrintableNameEscapesControlCharactersOnly)
{
    struct Case {
        std::string name;
        std::string shown;
    };
    for (const Case& c : {
             Case{"dump.bin", "dump.bin"},
             Case{"a\x1b[31mred", "a\\x1B[31mred"},
             Case{"line\nbreak\ttab\x7f", "line\\x0Abreak\\x09tab\\x7F"},
             Case{"\xd0\x94\xd0\xb0\xd0\xbc\xd0\xbf.bin",
                  "\xd0\x94\xd0\xb0\xd0\xbc\xd0\xbf.bin"},  // Cyrillic stays
             Case{"csi\xc2\x9b"
                  "31m",
                  "csi\\xC2\\x9B31m"},  // C1 control in UTF-8
             Case{"nbsp\xc2\xa0", "nbsp\xc2\xa0"},
             Case{"end\xc2", "end\xc2"},
         })
        EXPECT_EQ(platform::PrintableName(c.name), c.shown) << c.shown;
}

}  // namespace
