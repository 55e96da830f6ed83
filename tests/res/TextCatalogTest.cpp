// SPDX-License-Identifier: GPL-3.0-or-later
// The translation files compiled in for the command-line client.
#include "res/TextCatalog.h"

#include "res/StringTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

bool HasCyrillic(const std::string& text)
{
    // Cyrillic letters are U+0400 to U+04FF: UTF-8 lead bytes 0xD0 to 0xD3.
    return std::ranges::any_of(text, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0xD0 && byte <= 0xD3;
    });
}

class TextCatalog : public ::testing::Test {
protected:
    void TearDown() override { res::SetTranslation(nullptr); }
};

TEST_F(TextCatalog, EachLanguageOfTheTranslationFilesIsThere)
{
    const auto languages = res::CatalogLanguages();
    EXPECT_TRUE(std::ranges::is_sorted(languages));
    EXPECT_NE(std::ranges::find(languages, "en"), languages.end());
    EXPECT_NE(std::ranges::find(languages, "ru"), languages.end());
}

TEST_F(TextCatalog, TheStringTableSpeaksTheChosenLanguage)
{
    const std::string source = res::LoadString(res::IDS_CLI_NO_COMMAND);
    res::UseCatalog("ru");
    const std::string russian = res::LoadString(res::IDS_CLI_NO_COMMAND);
    EXPECT_TRUE(HasCyrillic(russian)) << russian;
    EXPECT_EQ(res::CatalogText("ru", source), russian);
    // The window's own texts as they are, an English one included.
    EXPECT_EQ(res::LoadString(res::IDS_WRONG_FILE_SIZE), "Wrong file size!");
    EXPECT_EQ(res::CatalogText("ru", "Wrong file size!"), std::nullopt);
    EXPECT_EQ(res::LoadUntranslatedString(res::IDS_CLI_NO_COMMAND), source);

    for (const char* other : {"en", "de", ""}) {
        res::UseCatalog(other);
        EXPECT_EQ(res::LoadString(res::IDS_CLI_NO_COMMAND), source) << other;
    }
    EXPECT_EQ(res::CatalogText("de", source), std::nullopt);
}

}  // namespace
