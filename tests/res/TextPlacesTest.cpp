// SPDX-License-Identifier: GPL-3.0-or-later
// What a translation must keep of its source's format places.
#include "res/TextPlaces.h"

#include <gtest/gtest.h>

namespace {

TEST(TextPlaces, ATranslationKeepsItsSourcesPlaces)
{
    struct Case {
        const char* source;
        const char* translation;
        bool keeps;
    };
    const Case cases[] = {
        {"No text", "Нет текста", true},
        {"%s at 0x%02X after %.1f s", "%s на 0x%02X через %.1f с", true},
        {"%s at 0x%02X after %.1f s", "%s через %.1f с", false},
        {"%s at 0x%02X after %.1f s", "0x%02X: %s через %.1f с", false},
        {"%u baud", "%d бод", false},
        {"%u baud", "%lu бод", false},
        {"Read %u byte%s in %.1f s", "Прочитано байт: %u%.0s за %.1f с", true},
        {"%02X - %02X", "%X - %X", true},
        {"Reading %d %%", "Чтение %d%%", true},
        {"Reading %d %%", "Чтение %d %d", false},
        {"Failed to open %1: %2.", "%2: не удалось открыть %1.", true},
        {"Failed to open %1: %2.", "Не удалось открыть %1.", false},
        {"Failed to open %1.", "Не удалось открыть %1: %2.", false},
        {"Failed to open %1.", "Не удалось открыть %s.", false},
        {"%1 holds %2 byte%3; a dump holds %4.", "В %1 байт: %2, а в дампе — %4.", true},
        {"%1 holds %2 byte%3; a dump holds %4.", "В %1 байт: %2%3.", false},
        {"COM1 to COM%2 are taken", "от COM1 до COM%2", true},
        {"COM1 to COM%2 are taken", "от COM1 до COM", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(res::KeepsPlaces(c.source, c.translation), c.keeps) << c.source << " -> " << c.translation;
}

}  // namespace
