// CKeystriderDoc: the template's document; it holds no data (the store and the view do).
#pragma once

#include "framework/docview/Document.h"

class CArchive;
class CCmdUI;

class CKeystriderDoc : public CDocument
{
    DECLARE_DYNCREATE(CKeystriderDoc)
public:
    CKeystriderDoc() = default;

    // Stores and loads nothing.
    void Serialize(CArchive& ar) override;
    BOOL OnNewDocument() override;

protected:
    void OnDocCommand() {}
    void OnUpdateDocCommand(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};
