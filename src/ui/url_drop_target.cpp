#include "ui/url_drop_target.h"

#include <shellapi.h>

#include <cstring>
#include <cwchar>
#include <optional>
#include <string_view>

#include "exchange/shortcut_files.h"
#include "platform/code_page.h"
#include "ui/main_dlg.h"
#include "ui/main_window_host.h"
#include "win/guards.h"

namespace {

// The first file descriptor's name, after the item count and the fields
// before the name (FILEGROUPDESCRIPTORA); at most MAX_PATH bytes long.
constexpr std::size_t kFirstNameOffset = 76;
constexpr std::size_t kNameSize = MAX_PATH;

CLIPFORMAT RegisteredFormat(const char* name) { return static_cast<CLIPFORMAT>(::RegisterClipboardFormatA(name)); }

FORMATETC GlobalFormat(CLIPFORMAT format) { return {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

bool Offers(IDataObject* data, CLIPFORMAT format) {
    FORMATETC wanted = GlobalFormat(format);
    return data->QueryGetData(&wanted) == S_OK;
}

// A medium released at the end of the scope.
class CMedium {
public:
    CMedium(IDataObject* data, CLIPFORMAT format) {
        FORMATETC wanted = GlobalFormat(format);
        if (data->GetData(&wanted, &medium_) != S_OK) {
            medium_ = {};
        } else if (medium_.tymed != TYMED_HGLOBAL) {
            ::ReleaseStgMedium(&medium_);
            medium_ = {};
        }
    }
    ~CMedium() {
        if (medium_.hGlobal) ::ReleaseStgMedium(&medium_);
    }
    CMedium(const CMedium&) = delete;
    CMedium& operator=(const CMedium&) = delete;

    HGLOBAL Memory() const { return medium_.hGlobal; }
    // The whole block, zero bytes included; nothing when unreadable.
    std::optional<std::string> Bytes() const {
        if (!medium_.hGlobal) return std::nullopt;
        win::GlobalLockGuard<const char> lock(medium_.hGlobal);
        if (!lock) return std::nullopt;
        return std::string(lock.Get(), ::GlobalSize(medium_.hGlobal));
    }

private:
    STGMEDIUM medium_{};
};

// A text block as the URL: a 16-bit string (a first character whose second
// byte is zero) is converted and cut at its first line end; an 8-bit one
// ends at its first zero byte.
std::string TextOfBlock(const std::string& block) {
    const std::size_t length = std::strlen(block.c_str());
    if (block.size() <= 2 || length != 1) return block.substr(0, length);
    std::wstring wide(block.size() / 2, L'\0');
    std::memcpy(wide.data(), block.data(), wide.size() * sizeof(wchar_t));
    wide.resize(std::wcslen(wide.c_str()));
    const std::size_t lineEnd = wide.find(L'\n');
    if (lineEnd != std::wstring::npos && lineEnd > 0) wide.resize(lineEnd);
    const int size = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr,
                              nullptr);
    return text;
}

// A browser suggests a shortcut file name for a dragged link: the page's
// title, sometimes after the scheme, with ".url" after it.
std::string TitleOfSuggestedName(const std::string& block) {
    if (block.size() <= kFirstNameOffset) return {};
    const std::string_view rest = std::string_view(block).substr(kFirstNameOffset, kNameSize);
    std::string name(rest.substr(0, std::min(rest.find('\0'), rest.size())));
    if (name.compare(0, 6, "http--") == 0) name.erase(0, 7);
    if (name.compare(0, 5, "ftp--") == 0) name.erase(0, 6);
    const std::size_t dot = name.rfind('.');
    name.resize(dot == std::string::npos ? 0 : dot);
    return name;
}

std::string FirstDroppedFile(HGLOBAL memory) {
    const auto drop = static_cast<HDROP>(memory);
    if (::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0) == 0) return {};
    const UINT length = ::DragQueryFileA(drop, 0, nullptr, 0);
    std::string path(length + 1, '\0');
    path.resize(::DragQueryFileA(drop, 0, path.data(), length + 1));
    return path;
}

}  // namespace

bool CUrlDropTarget::ListIsFull() const { return window_.Application().CurrentList().IsFull(); }

DWORD CUrlDropTarget::Offered(DWORD allowed) {
    if (allowed & DROPEFFECT_COPY) return DROPEFFECT_COPY;
    return allowed & DROPEFFECT_LINK;
}

// The cursor shows at once whether the drop would be taken.
HRESULT CUrlDropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) {
    url_.clear();
    title_.clear();
    readable_ = data && (Offers(data, CF_TEXT) || Offers(data, CF_HDROP));
    return DragOver(keys, at, effect);
}

HRESULT CUrlDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    *effect = readable_ && !ListIsFull() ? Offered(*effect) : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT CUrlDropTarget::DragLeave() { return S_OK; }

HRESULT CUrlDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    const DWORD allowed = *effect;
    *effect = DROPEFFECT_NONE;
    if (!data || ListIsFull() || !TakeDrop(data)) return S_OK;
    *effect = Offered(allowed);
    window_.AddDroppedUrl(url_, title_);
    return S_OK;
}

bool CUrlDropTarget::TakeDrop(IDataObject* data) {
    url_.clear();
    title_.clear();
    const CMedium files(data, CF_HDROP);
    const std::string file = files.Memory() ? FirstDroppedFile(files.Memory()) : std::string();
    if (!file.empty()) {
        TakeFile(file);
    } else {
        if (const auto block = CMedium(data, RegisteredFormat("FileGroupDescriptor")).Bytes())
            title_ = TitleOfSuggestedName(*block);
        auto block = CMedium(data, RegisteredFormat("UniformResourceLocator")).Bytes();
        if (!block) block = CMedium(data, CF_TEXT).Bytes();
        if (block) url_ = TextOfBlock(*block);
    }
    url_ = std::string(platform::Trim(url_, platform::AnsiCodePage()));
    return !url_.empty();
}

void CUrlDropTarget::TakeFile(const std::string& path) {
    const std::size_t nameStart = path.find_last_of("\\/:") + 1;
    const std::size_t dot = path.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot >= nameStart;
    title_ = path.substr(nameStart, hasExtension ? dot - nameStart : std::string::npos);
    const std::string extension = hasExtension ? path.substr(dot + 1) : std::string();
    if (extension == "url") {
        std::string fileTitle;
        if (ReadUrlFile(path, url_, fileTitle) != 0) url_.clear();
    } else if (extension == "lnk") {
        if (ReadShellLink(path, url_) != 0) url_.clear();
    } else {
        url_ = path;
    }
}

// --- the main window's side ---------------------------------------------------

void CMainDlg::RegisterDropTarget() {
    auto* target = new CUrlDropTarget(*this);
    if (SUCCEEDED(::RegisterDragDrop(Handle(), target))) {
        dropTarget_ = target;
    } else {
        target->Release();
    }
}

void CMainDlg::RevokeDropTarget() {
    if (!dropTarget_) return;
    ::RevokeDragDrop(Handle());
    dropTarget_->Release();
    dropTarget_ = nullptr;
}

void CMainDlg::AddDroppedUrl(const std::string& url, const std::string& title) { EnterNewUrl(url, title, false); }
