// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ZaqSimProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/ParentDeath.h"
#include "platform/UserFolders.h"

namespace app {

namespace {

constexpr int kStartWaitMs = 5000;
constexpr int kStopWaitMs = 3000;

}  // namespace

ZaqSimProcess::ZaqSimProcess(Files files) : files_(std::move(files)) {}

ZaqSimProcess::~ZaqSimProcess()
{
    Stop();
}

bool ZaqSimProcess::Available() const
{
    return QFileInfo(files_.simulator).isExecutable() &&
           (QFileInfo::exists(files_.image) || QFileInfo::exists(files_.shippedImage));
}

bool ZaqSimProcess::CopyShippedImage(QString& error) const
{
    if (QFileInfo::exists(files_.image))
        return true;  // the device's writes of earlier runs are kept
    QFile shipped(files_.shippedImage);
    if (!QDir().mkpath(QFileInfo(files_.image).absolutePath()) || !shipped.copy(files_.image)) {
        error = files_.image + ": " + shipped.errorString();
        return false;
    }
    // The copy keeps the package's read-only mode; the device writes to it.
    QFile::setPermissions(files_.image,
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}

bool ZaqSimProcess::Start(const QString& comName, QString& error)
{
    Stop();
    if (!CopyShippedImage(error))
        return false;
    process_.setProgram(files_.simulator);
    process_.setArguments({"--link", comName, files_.image});
    // Should this program be killed, the simulator still ends and takes its COM name away.
    process_.setChildProcessModifier(platform::TerminateWithParent);
    process_.start(QIODevice::ReadOnly);
    // Its first line, the device path, comes once the COM name leads to the device.
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(kStartWaitMs)) {
            process_.waitForFinished(kStopWaitMs);
            error = QString::fromLocal8Bit(process_.readAllStandardError()).trimmed();
            if (error.isEmpty())
                error = files_.simulator + ": " + process_.errorString();
            Stop();
            return false;
        }
    }
    return true;
}

void ZaqSimProcess::Stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();  // on SIGTERM it removes its COM name, and the port map if it made it
    if (!process_.waitForFinished(kStopWaitMs)) {
        process_.kill();
        process_.waitForFinished(kStopWaitMs);
    }
}

ZaqSimProcess::Files ZaqSimProcess::InstalledFiles()
{
    const QString bin = QCoreApplication::applicationDirPath();
    return {qEnvironmentVariable("PROBEX_ZAQ_SIM", bin + "/zaq-sim"),
            qEnvironmentVariable("PROBEX_DEMO_IMAGE", bin + "/../share/probex/demo-eeprom.bin"),
            QString::fromStdString(platform::ProgramFolder(platform::FolderKind::Data)) + "/demo-eeprom.bin"};
}

}  // namespace app
