// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/docview/CView.h"

#include <functional>
#include <vector>

namespace app {

// A view that records what its document asked of it. Initial updates are recorded as the
// hint kInitialUpdate, followed by the kReloadHint they cause.
class CRecordingView : public CView {
public:
    static constexpr UpdateHint kInitialUpdate = 0xFFFFFFFF;

    void OnInitialUpdate() override
    {
        hints.push_back(kInitialUpdate);
        CView::OnInitialUpdate();
    }
    void OnUpdate(UpdateHint hint) override
    {
        hints.push_back(hint);
        if (onUpdate)
            onUpdate(hint);
    }

    std::vector<UpdateHint> hints;
    std::function<void(UpdateHint)> onUpdate;
};

}  // namespace app
