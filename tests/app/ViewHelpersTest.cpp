// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <set>

#include "app/CProfileSettings.h"
#include "app/PortList.h"
#include "app/TimeoutField.h"
#include "tests/app/support/QtTestApplication.h"

using namespace app;

TEST(TimeoutField, TakesTheLeadingNumber)
{
    EXPECT_EQ(ParseLeadingUnsigned("12"), 12u);
    EXPECT_EQ(ParseLeadingUnsigned("   12s"), 12u);
    EXPECT_EQ(ParseLeadingUnsigned("\t7 seconds"), 7u);
    EXPECT_EQ(ParseLeadingUnsigned("0"), 0u);
    EXPECT_EQ(ParseLeadingUnsigned("+5"), 5u);
    EXPECT_EQ(ParseLeadingUnsigned("99999999999999"), 0xFFFFFFFFu) << "saturates instead of wrapping";
    EXPECT_EQ(ParseLeadingUnsigned(std::string(62, ' ') + "9"), 9u);
}

TEST(TimeoutField, NoNumber)
{
    EXPECT_FALSE(ParseLeadingUnsigned(""));
    EXPECT_FALSE(ParseLeadingUnsigned("abc"));
    EXPECT_FALSE(ParseLeadingUnsigned("   "));
    EXPECT_FALSE(ParseLeadingUnsigned("s12"));
    EXPECT_FALSE(ParseLeadingUnsigned("-5")) << "a negative number is no positive integer";
    EXPECT_FALSE(ParseLeadingUnsigned(std::string(63, ' ') + "9")) << "only the first 63 characters count";
}

TEST(PortList, ComNamesSortAsTextThenDevicePaths)
{
    const std::set<std::string> free{"COM1", "COM2",         "COM10",       "COM16",
                                     "COM3", "/dev/ttyUSB0", "/dev/ttyACM1"};
    const QStringList list = BuildPortList([&](const std::string& name) { return free.count(name) > 0; },
                                           {"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyACM1"});
    EXPECT_EQ(list, (QStringList{"COM1", "COM10", "COM16", "COM2", "COM3", "/dev/ttyUSB0", "/dev/ttyACM1"}));
    EXPECT_TRUE(BuildPortList([](const std::string&) { return false; }, {"/dev/ttyUSB0"}).isEmpty());
}

TEST(PortList, PrefixSearchIgnoresCaseAndTakesTheFirst)
{
    EnsureQApplication();
    QComboBox combo;
    combo.addItems({"COM10", "COM12", "COM2"});
    EXPECT_EQ(FindItemWithPrefix(combo, "com1"), 0);
    EXPECT_EQ(FindItemWithPrefix(combo, "COM12"), 1);
    EXPECT_EQ(FindItemWithPrefix(combo, "COM2"), 2);
    EXPECT_EQ(FindItemWithPrefix(combo, "COM3"), -1);
    EXPECT_EQ(FindItemWithPrefix(combo, ""), 0);
    combo.clear();
    EXPECT_EQ(FindItemWithPrefix(combo, "COM1"), -1);
}

TEST(ProfileSettings, LivesInTheConfigFolderOfTheMoment)
{
    EnsureQApplication();
    QTemporaryDir first;
    QTemporaryDir second;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    CProfileSettings settings("Velmora", "Probex");

    qputenv("XDG_CONFIG_HOME", first.path().toUtf8());
    EXPECT_EQ(settings.GetProfileString("COM port", "Port", "COM1"), "COM1");
    EXPECT_EQ(settings.GetProfileInt("COM port", "Timeout", 10), 10u);
    settings.WriteProfileString("COM port", "Port", "COM7");
    settings.WriteProfileInt("COM port", "Timeout", 45);
    EXPECT_TRUE(QFile::exists(first.path() + "/Velmora/Probex.conf"));
    EXPECT_EQ(settings.GetProfileString("COM port", "Port", "COM1"), "COM7");
    EXPECT_EQ(settings.GetProfileInt("COM port", "Timeout", 10), 45u);

    qputenv("XDG_CONFIG_HOME", second.path().toUtf8());
    EXPECT_EQ(settings.GetProfileString("COM port", "Port", "COM1"), "COM1");
    settings.WriteProfileInt("COM port", "Timeout", 0xFFFFFFFF);
    EXPECT_EQ(settings.GetProfileInt("COM port", "Timeout", 10), 0xFFFFFFFFu);

    if (saved.isNull()) {
        qunsetenv("XDG_CONFIG_HOME");
    } else {
        qputenv("XDG_CONFIG_HOME", saved);
    }
}
