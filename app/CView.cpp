#include "CView.h"

#include "CDocument.h"
#include "ViewHint.h"

CView::~CView() {
  if (document) document->RemoveView(this);
}

void CView::OnInitialUpdate() { OnUpdate(HintReload); }
