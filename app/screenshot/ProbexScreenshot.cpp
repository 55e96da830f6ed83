// probex-screenshot: starts Probex, reads the whole EEPROM through the window (clicking
// "Чтение" and answering Yes to every question) and saves two pictures of the screen: one while
// the progress bar runs, one after the read. Meant for a virtual display (scripts/screenshot.sh).
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "app/CMainFrame.h"
#include "app/CProbexApp.h"
#include "app/CStatusBar.h"
#include "app/CStatusBarProgress.h"
#include "app/ControlId.h"
#include "app/docview/CPrompts.h"
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
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: probex-screenshot PROGRESS.png DONE.png\n");
        return 64;
    }
    YesPrompts prompts;
    InstallPrompts(&prompts);
    CProbexApp app;
    if (!app.InitInstance())
        return 1;
    CMainFrame* frame = app.GetMainWnd();
    auto* read = FindControl<QPushButton>(frame, res::IDC_READ);
    int result = 2;
    bool busySeen = false;
    bool progressSaved = false;

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
                QApplication::quit();
            });
        }
    });
    QTimer::singleShot(500, [&] {
        QTest::mouseClick(read, Qt::LeftButton);
        poll.start(5);
    });
    QTimer::singleShot(60000, [&] {
        std::fprintf(stderr, "probex-screenshot: the read did not finish\n");
        QApplication::quit();
    });
    QApplication::exec();
    InstallPrompts(nullptr);
    return result;
}
