// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/docview/UpdateHint.h"

namespace app {

class CDocument;

// A view of one document. Widgets that show a document derive from it next to their Qt base.
class CView {
public:
    CView() = default;
    CView(const CView&) = delete;
    CView& operator=(const CView&) = delete;
    virtual ~CView();  // leaves its document

    CDocument* GetDocument() const { return document_; }

    // After every new or opened document. The default asks for a full reload (kReloadHint).
    virtual void OnInitialUpdate();
    virtual void OnUpdate(UpdateHint hint) = 0;

private:
    friend class CDocument;
    CDocument* document_ = nullptr;
};

}  // namespace app
