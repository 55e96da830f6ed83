// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulated adapter as a zaq-sim process, started as `make run` starts it. The device writes
// to the user's own copy of the shipped demonstration image, made on the first start.
#include <QProcess>
#include <QString>

#include "app/SimulatedAdapter.h"

namespace app {

class ZaqSimProcess : public SimulatedAdapter {
public:
    struct Files {
        QString simulator;     // the zaq-sim program
        QString shippedImage;  // the demonstration image of the package, read only
        QString image;         // the copy the device serves
    };

    explicit ZaqSimProcess(Files files);
    ~ZaqSimProcess() override;
    ZaqSimProcess(const ZaqSimProcess&) = delete;
    ZaqSimProcess& operator=(const ZaqSimProcess&) = delete;

    bool Available() const override;
    bool Start(const QString& comName, QString& error) override;
    void Stop() override;
    bool Running() const override { return process_.state() != QProcess::NotRunning; }
    QString ImagePath() const override { return files_.image; }

    // zaq-sim beside this program and the image under its share folder, as the package installs
    // them (PROBEX_ZAQ_SIM and PROBEX_DEMO_IMAGE name others, as a build tree has them); the copy
    // in the user's data folder.
    static Files InstalledFiles();

private:
    bool CopyShippedImage(QString& error) const;

    Files files_;
    QProcess process_;
};

}  // namespace app
