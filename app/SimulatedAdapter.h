// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window offers a user with no adapter: a simulated adapter with a ZAQ device behind it,
// serving a demonstration image on a pseudo-terminal that a COM name leads to while it runs.
#include <QString>

namespace app {

class SimulatedAdapter {
public:
    virtual ~SimulatedAdapter() = default;

    // False where no simulator can run on this system at all.
    virtual bool Supported() const { return true; }
    // False when there is nothing to start (the simulator or its image is not installed).
    virtual bool Available() const = 0;
    // Starts it under comName and returns once the name leads to it; false with the reason.
    virtual bool Start(const QString& comName, QString& error) = 0;
    // Stops it, taking its COM name away; nothing when it is not running.
    virtual void Stop() = 0;
    virtual bool Running() const = 0;
    // The EEPROM image the device serves and writes to.
    virtual QString ImagePath() const = 0;
};

}  // namespace app
