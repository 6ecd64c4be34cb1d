#include "ui/title_drag_out.h"

#include <shlobj.h>

#include <cstring>
#include <string>

#include "win/guards.h"
#include "win/handles.h"

namespace {

// The reference count of the two small COM objects; they live on one thread.
template <class Interface>
class CComObject : public Interface {
public:
    virtual ~CComObject() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == __uuidof(Interface)) {
            *object = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

private:
    ULONG references_ = 1;
};

HGLOBAL GlobalCopy(const std::string& text) {
    win::UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    if (!memory) return nullptr;
    {
        win::GlobalLockGuard<char> lock(memory.Get());
        if (!lock) return nullptr;
        std::memcpy(lock.Get(), text.c_str(), text.size() + 1);
    }
    return memory.Release();
}

class CTitleDataObject final : public CComObject<IDataObject> {
public:
    CTitleDataObject(std::string_view url, std::string_view title)
        : url_(url), link_("<a href=\"" + url_ + "\">" + std::string(title) + "</a>") {
        formats_[0] = Format(static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("HTML Format")));
        formats_[1] = Format(static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("UniformResourceLocator")));
        formats_[2] = Format(CF_TEXT);
    }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (!format || !medium) return E_INVALIDARG;
        const std::string* text = TextFor(*format);
        if (!text) return DV_E_FORMATETC;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = GlobalCopy(*text);
        medium->pUnkForRelease = nullptr;
        return medium->hGlobal ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return format && TextFor(*format) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        if (out) out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
        if (direction != DATADIR_GET) return E_NOTIMPL;
        return ::SHCreateStdEnumFmtEtc(3, formats_, formats);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    static FORMATETC Format(CLIPFORMAT format) {
        return {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    }
    const std::string* TextFor(const FORMATETC& format) const {
        if (!(format.tymed & TYMED_HGLOBAL) || format.dwAspect != DVASPECT_CONTENT) return nullptr;
        if (format.cfFormat == formats_[0].cfFormat) return &link_;
        if (format.cfFormat == formats_[1].cfFormat || format.cfFormat == CF_TEXT) return &url_;
        return nullptr;
    }

    std::string url_;
    std::string link_;
    FORMATETC formats_[3];
};

class CDropSource final : public CComObject<IDropSource> {
public:
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        if (escape) return DRAGDROP_S_CANCEL;
        return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

}  // namespace

IDataObject* CreateTitleDataObject(std::string_view url, std::string_view title) {
    return new CTitleDataObject(url, title);
}

DWORD DragTitleOut(std::string_view url, std::string_view title) {
    IDataObject* data = CreateTitleDataObject(url, title);
    IDropSource* source = new CDropSource;
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = ::DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect);
    source->Release();
    data->Release();
    return result == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}
