#include "ui/title_drag_out.h"

#include <shlobj.h>

#include <string>

#include "platform/code_page.h"
#include "ui/com_object.h"
#include "ui/text/html_clipboard.h"
#include "win/global_text.h"

namespace {

class CTitleDataObject final : public CComObject<IDataObject> {
public:
    CTitleDataObject(std::string_view url, std::string_view title)
        : url_(url), html_(ui::HtmlClipboardData(ui::HtmlLink(url, title), platform::AnsiCodePage())) {
        formats_[0] = Format(static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("HTML Format")));
        formats_[1] = Format(static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("UniformResourceLocator")));
        formats_[2] = Format(CF_TEXT);
    }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (!format || !medium) return E_INVALIDARG;
        const std::string* text = TextFor(*format);
        if (!text) return DV_E_FORMATETC;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = win::GlobalCopy(*text);
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
        if (format.cfFormat == formats_[0].cfFormat) return &html_;
        if (format.cfFormat == formats_[1].cfFormat || format.cfFormat == CF_TEXT) return &url_;
        return nullptr;
    }

    std::string url_;
    std::string html_;
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
