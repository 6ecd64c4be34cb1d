// A data object for drops made by the tests: each format is one block of
// bytes offered in global memory, exactly as given. Used in process and by
// the drag source helper program.
#pragma once

#include <windows.h>

#include <ole2.h>
#include <shlobj.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "ui/com_object.h"

inline CLIPFORMAT RegisteredFormat(const char* name) {
    return static_cast<CLIPFORMAT>(::RegisterClipboardFormatA(name));
}

// A FILEGROUPDESCRIPTOR of one file, as a browser offers for a dragged link.
inline std::string DescriptorBlock(const std::string& name) {
    std::string block(sizeof(FILEGROUPDESCRIPTORA), '\0');
    block[0] = 1;
    std::memcpy(&block[76], name.data(), std::min<std::size_t>(name.size(), MAX_PATH));
    return block;
}

class CBlockDataObject final : public CComObject<IDataObject> {
public:
    std::map<CLIPFORMAT, std::string> blocks;

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (!medium || QueryGetData(format) != S_OK) return DV_E_FORMATETC;
        const std::string& block = blocks[format->cfFormat];
        medium->tymed = TYMED_HGLOBAL;
        medium->pUnkForRelease = nullptr;
        medium->hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, block.size());
        if (!medium->hGlobal) return E_OUTOFMEMORY;
        std::memcpy(::GlobalLock(medium->hGlobal), block.data(), block.size());
        ::GlobalUnlock(medium->hGlobal);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return format && (format->tymed & TYMED_HGLOBAL) && blocks.count(format->cfFormat) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
        if (direction != DATADIR_GET) return E_NOTIMPL;
        std::vector<FORMATETC> offered;
        for (const auto& block : blocks)
            offered.push_back({block.first, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
        return ::SHCreateStdEnumFmtEtc(static_cast<UINT>(offered.size()), offered.data(), formats);
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
};
