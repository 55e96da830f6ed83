// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where no simulator can run (Windows: it needs pseudo-terminals). A first start without an
// adapter then says how to connect one instead of offering it.
#include "app/SimulatedAdapter.h"

namespace app {

class NoSimulatedAdapter : public SimulatedAdapter {
public:
    bool Supported() const override { return false; }
    bool Available() const override { return false; }
    bool Start(const QString&, QString&) override { return false; }
    void Stop() override {}
    bool Running() const override { return false; }
    QString ImagePath() const override { return {}; }
};

}  // namespace app
