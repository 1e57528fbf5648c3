// CDocument: the data of one open document and the list of its views. Commands reach the document
// after the active view and before the frame.
#pragma once

#include "framework/core/CString.h"
#include "framework/window/CmdTarget.h"

#include <vector>

class CDocTemplate;
class CView;

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument() = default;
    ~CDocument() override;

    CDocTemplate* m_pDocTemplate = nullptr;
    BOOL m_bAutoDelete = TRUE; // deleted when its last view goes (OnCloseDocument)

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(const wchar_t* lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    virtual void SetPathName(const wchar_t* lpszPathName);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_views; }

    virtual BOOL OnNewDocument();
    // Our documents keep nothing in files: the file only has to be readable.
    virtual BOOL OnOpenDocument(const wchar_t* lpszPathName);
    // Destroys the frames of all views, then the document itself when m_bAutoDelete is set.
    virtual void OnCloseDocument();
    virtual void DeleteContents();
    virtual BOOL SaveModified() { return TRUE; }
    BOOL IsModified() const { return m_bModified; }
    void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

private:
    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified = FALSE;
    std::vector<CView*> m_views;
};
