// SPDX-License-Identifier: GPL-3.0-or-later
// probex-screenshot: starts Probex, reads the whole EEPROM through the window (clicking
// "Чтение" and answering Yes to every question) and saves two pictures of the screen: one while
// the progress bar runs, one after the read. Given a third picture, it then changes a few bytes
// and writes a range to a device that ignores writes, and saves the window after the verify
// marked the differences. Given a fourth, it opens File "Restore from backup..." on the backup
// that write stored and saves the dialog; given a fifth, it then runs Check adapter and saves the
// window with the check's report. Meant for a virtual display (scripts/screenshot.sh).
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "app/CAdapterCheckDlg.h"
#include "app/CMainFrame.h"
#include "app/CProbexApp.h"
#include "app/CProbexDoc.h"
#include "app/CStatusBar.h"
#include "app/CStatusBarProgress.h"
#include "app/ControlId.h"
#include "app/InterfaceLanguage.h"
#include "app/docview/CPrompts.h"
#include "dumpedit/widget/CDumpEdit.h"
#include "res/FormIds.h"

using namespace app;

namespace {

class YesPrompts : public CPrompts {
public:
    MessageAnswer ShowMessage(const QString& text, MessageButtons buttons, MessageIcon) override
    {
        std::fprintf(stderr, "probex-screenshot: \"%s\"\n", qPrintable(QString(text).replace('\n', ' ')));
        return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? MessageAnswer::Yes
                                                                                          : MessageAnswer::Ok;
    }
    std::optional<QString> AskOpenFileName(const QString&, const QString&, const QString&) override
    {
        return {};
    }
    std::optional<QString> AskSaveFileName(const QString&, const QString&, const QString&) override
    {
        return {};
    }
};

bool SaveScreen(const QString& path)
{
    QApplication::processEvents();
    const bool saved = QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::fprintf(stderr, "probex-screenshot: %s %s\n", saved ? "saved" : "could not save", qPrintable(path));
    return saved;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 3 || args.size() > 6) {
        std::fprintf(
            stderr,
            "usage: probex-screenshot PROGRESS.png DONE.png [VERIFY.png [RESTORE.png [CHECK.png]]]\n");
        return 64;
    }
    // The language of the environment, as the program takes it.
    const InterfaceTranslation translation(InterfaceLanguageFromEnvironment());
    YesPrompts prompts;
    InstallPrompts(&prompts);
    CProbexApp app;
    if (!app.InitInstance())
        return 1;
    CMainFrame* frame = app.GetMainWnd();
    auto* read = FindControl<QPushButton>(frame, res::IDC_READ);
    auto* write = FindControl<QPushButton>(frame, res::IDC_WRITE);
    auto* editor = FindControl<dumpedit::CDumpEdit>(frame, res::IDC_DUMP_EDIT);
    int result = 2;
    bool busySeen = false;
    bool progressSaved = false;

    // The restore scene: the real open dialog, saved while it is up, then cancelled.
    const auto showRestore = [&] {
        InstallPrompts(nullptr);
        QTimer::singleShot(800, [&] {
            result = SaveScreen(args[4]) ? result : 1;
            if (QWidget* dialog = QApplication::activeModalWidget())
                dialog->close();
        });
        frame->ExecuteCommand(res::ID_FILE_RESTORE_BACKUP);
        InstallPrompts(&prompts);
    };

    // The check scene: the adapter check's report over the window.
    const auto startCheck = [&] {
        app.OnCheckAdapter();
        CAdapterCheckDlg* dialog = app.GetAdapterCheckDlg();
        if (!dialog) {
            result = 1;
            QApplication::quit();
            return;
        }
        QObject::connect(dialog, &CAdapterCheckDlg::reportShown, [&] {
            QTimer::singleShot(300, [&] {
                result = SaveScreen(args[5]) ? result : 1;
                QApplication::quit();
            });
        });
    };

    // The write scene: three bytes changed in 10 - 1F, which the device will not take.
    QTimer writePoll;
    bool writeBusySeen = false;
    const auto startWrite = [&] {
        CProbexDoc* document = app.GetDocument();
        for (const int address : {0x12, 0x13, 0x1A})
            document->dumpData[address] ^= 0xA5;
        editor->SetSelection(0x10, 0x1F, false, true);
        QTest::mouseClick(write, Qt::LeftButton);
        writePoll.start(5);
    };
    QObject::connect(&writePoll, &QTimer::timeout, [&] {
        const bool busy = !write->isEnabled();
        writeBusySeen |= busy;
        if (writeBusySeen && !busy) {
            writePoll.stop();
            editor->SetSelection(dumpedit::CDumpEdit::kNoByte, dumpedit::CDumpEdit::kNoByte, false, true);
            QTimer::singleShot(300, [&] {
                result = SaveScreen(args[3]) ? result : 1;
                if (args.size() >= 5 && result == 0)
                    showRestore();
                if (args.size() == 6 && result == 0) {
                    startCheck();
                } else {
                    QApplication::quit();
                }
            });
        }
    });

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const bool busy = !read->isEnabled();
        busySeen |= busy;
        const CStatusBarProgress* progress = frame->GetProgressBar();
        if (!progressSaved && progress && progress->Bar() && progress->Bar()->value() >= 128) {
            progressSaved = true;
            SaveScreen(args[1]);
        }
        if (busySeen && !busy) {
            poll.stop();
            QTimer::singleShot(300, [&] {
                result = SaveScreen(args[2]) && progressSaved ? 0 : 1;
                if (args.size() >= 4 && result == 0) {
                    startWrite();
                } else {
                    QApplication::quit();
                }
            });
        }
    });
    QTimer::singleShot(500, [&] {
        QTest::mouseClick(read, Qt::LeftButton);
        poll.start(5);
    });
    QTimer::singleShot(90000, [&] {
        std::fprintf(stderr, "probex-screenshot: the device operations did not finish\n");
        result = 1;
        QApplication::quit();
    });
    QApplication::exec();
    InstallPrompts(nullptr);
    return result;
}
