#pragma once

#include "app/docview/CView.h"

#include <functional>
#include <vector>

namespace app {

// A view that records what its document asked of it. Initial updates are recorded as the
// hint kInitialUpdate, followed by the HintReload they cause.
class CRecordingView : public CView {
public:
    static constexpr std::uint32_t kInitialUpdate = 0xFFFFFFFF;

    void OnInitialUpdate() override
    {
        hints.push_back(kInitialUpdate);
        CView::OnInitialUpdate();
    }
    void OnUpdate(std::uint32_t hint) override
    {
        hints.push_back(hint);
        if (onUpdate)
            onUpdate(hint);
    }

    std::vector<std::uint32_t> hints;
    std::function<void(std::uint32_t)> onUpdate;
};

}  // namespace app
