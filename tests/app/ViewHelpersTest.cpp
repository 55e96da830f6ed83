// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/CProfileSettings.h"
#include "app/FormStretch.h"
#include "app/PortList.h"
#include "app/StartupArguments.h"
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

TEST(PortList, TheListShowsBesideEachNameWhatIsBehindItAndWhetherItCanBeOpened)
{
    EnsureQApplication();
    QComboBox combo;
    using platform::PortAvailability;
    FillPortCombo(
        combo, {{"COM1", "COM1", "/dev/ttyUSB0", "FT232R USB UART (FTDI), ftdi_sio", PortAvailability::Busy},
                {"COM10", "COM10", "/dev/pts/3", "pseudo-terminal", PortAvailability::Free},
                {"/dev/ttyACM0", "", "/dev/ttyACM0", "", PortAvailability::NoAccess}});
    QStringList names, details, tips;
    for (int i = 0; i < combo.count(); ++i) {
        names << combo.itemText(i);
        details << combo.model()->index(i, 1).data().toString();
        tips << combo.itemData(i, Qt::ToolTipRole).toString();
    }
    EXPECT_EQ(names, (QStringList{"COM1", "COM10", "/dev/ttyACM0"}));
    EXPECT_EQ(details,
              (QStringList{"FT232R USB UART (FTDI), ftdi_sio - busy", "pseudo-terminal", "no access"}));
    EXPECT_EQ(tips, (QStringList{"/dev/ttyUSB0", "/dev/pts/3", "/dev/ttyACM0"}));
    combo.setCurrentIndex(0);
    EXPECT_EQ(combo.currentText(), "COM1") << "the closed box shows the name alone";

    // A port that can be opened wins the prefix search over one that cannot.
    EXPECT_EQ(FindItemWithPrefix(combo, "COM1"), 1);
    EXPECT_EQ(FindItemWithPrefix(combo, "/dev"), 2) << "with no free match, the first match";
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

TEST(FormStretch, EditorAndItsGroupGrowControlsBelowFollowTheirEdge)
{
    const QRect editor(15, 25, 545, 270);
    const QSize growth(100, 40);
    struct Case {
        const char* what;
        QRect designed, expected;
    };
    const Case cases[] = {
        {"editor", editor, QRect(15, 25, 645, 310)},
        {"group around it", QRect(8, 8, 560, 320), QRect(8, 8, 660, 360)},
        {"button below, right half", QRect(400, 300, 75, 23), QRect(500, 340, 75, 23)},
        {"list below, left half", QRect(15, 302, 72, 20), QRect(15, 342, 72, 20)},
        {"label at the editor's side", QRect(570, 100, 20, 10), QRect(570, 100, 20, 10)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StretchedPlace(c.designed, editor, growth), c.expected) << c.what;
    EXPECT_EQ(StretchedPlace(QRect(400, 300, 75, 23), editor, QSize(0, 0)), QRect(400, 300, 75, 23));
}

TEST(StartupArguments, FileHelpAndWrongUse)
{
    struct Case {
        std::vector<std::string> args;
        bool help;
        std::string file;
        std::string error;
    };
    const Case cases[] = {
        {{}, false, "", ""},
        {{"dump.bin"}, false, "dump.bin", ""},
        {{"--help"}, true, "", ""},
        {{"dump.bin", "-h"}, true, "dump.bin", ""},
        {{"--", "--help"}, false, "--help", ""},
        {{"-"}, false, "-", ""},
        {{"--frobnicate"}, false, "", "probex: unknown option --frobnicate\nTry 'probex --help'.\n"},
        {{"a.bin", "b.bin"},
         false,
         "a.bin",
         "probex: one FILE only; b.bin is one too many\nTry 'probex --help'.\n"},
    };
    for (const Case& c : cases) {
        const StartupArguments parsed = ParseStartupArguments(c.args);
        const std::string what = c.args.empty() ? "(none)" : c.args.front();
        EXPECT_EQ(parsed.help, c.help) << what;
        EXPECT_EQ(parsed.file, c.file) << what;
        EXPECT_EQ(parsed.error, c.error) << what;
    }
    EXPECT_TRUE(StartupUsage().starts_with("Usage: probex [FILE]\n"));
    EXPECT_NE(StartupUsage().find("--version"), std::string::npos) << "main answers it";
}
