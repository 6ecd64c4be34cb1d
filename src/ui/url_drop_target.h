// CUrlDropTarget: the main window's OLE drop target. A link dragged from a
// browser, a text, or a dropped file (an Internet shortcut, a shell link or
// any other file) becomes a new title: the target reads a URL and a title
// from the data and hands them to the window's AddDroppedUrl. Nothing is
// taken while the current list is full.
#pragma once

#include <windows.h>

#include <ole2.h>

#include <string>

#include "ui/com_object.h"

class CMainDlg;

class CUrlDropTarget final : public CComObject<IDropTarget> {
public:
    explicit CUrlDropTarget(CMainDlg& window) : window_(window) {}

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;

    // What the last drop gave (trimmed URL; the title may be empty).
    const std::string& Url() const { return url_; }
    const std::string& Title() const { return title_; }

private:
    bool ListIsFull() const;
    // Copy, else link, when the source allows either; else none.
    static DWORD Offered(DWORD allowed);
    // Reads URL and title from the data; false when no URL came of it.
    bool TakeDrop(IDataObject* data);
    void TakeFile(const std::string& path);

    CMainDlg& window_;
    std::string url_;
    std::string title_;
    bool readable_ = false;  // the dragged data offers text or files
};
