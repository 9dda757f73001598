#include "ShellFolders.hpp"

#include "WinConstants.hpp"
#include "internal/FolderBrowserDlg.hpp"
#include "internal/FolderPath.hpp"

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace {

// The process's one shell allocator. An item list is a block holding its path and a NUL.
class ShellMalloc : public IMalloc {
public:
    void * Alloc(std::size_t size) override { return std::malloc(size ? size : 1); }
    void * Realloc(void * block, std::size_t size) override {
        return std::realloc(block, size ? size : 1);
    }
    void Free(void * block) override { std::free(block); }
    ULONG AddRef() override { return ++m_users; }
    ULONG Release() override { return m_users > 0 ? --m_users : 0; }

private:
    std::atomic<ULONG> m_users{0};
};

ShellMalloc & Allocator() {
    static auto * allocator = new ShellMalloc;
    return *allocator;
}

ITEMIDLIST * MakeItemList(std::string const & path) {
    void * block = Allocator().Alloc(path.size() + 1);
    if (!block)
        return nullptr;
    std::memcpy(block, path.c_str(), path.size() + 1);
    return static_cast<ITEMIDLIST *>(block);
}

char const * PathOf(ITEMIDLIST const * list) {
    return reinterpret_cast<char const *>(list);
}

} // namespace

ITEMIDLIST * SHBrowseForFolderA(BROWSEINFOA * info) {
    if (!info)
        return nullptr;
    char root[MAX_PATH] = "/";
    if (info->pidlRoot && !SHGetPathFromIDListA(info->pidlRoot, root))
        return nullptr;
    FolderBrowserDlg browser(*info, FolderPath::Normal(root));
    if (browser.Execute(CWnd::FromHandle(info->hwndOwner)) != IDOK)
        return nullptr;
    std::string const & chosen = browser.GetChosen();
    if (info->pszDisplayName) {
        std::string const name = FolderPath::NameOf(chosen);
        std::size_t const length = std::min<std::size_t>(name.size(), MAX_PATH - 1);
        std::memcpy(info->pszDisplayName, name.c_str(), length);
        info->pszDisplayName[length] = '\0';
    }
    info->iImage = 0;
    return MakeItemList(chosen);
}

BOOL SHGetPathFromIDListA(ITEMIDLIST const * list, char * path) {
    if (!path)
        return FALSE;
    path[0] = '\0';
    if (!list)
        return FALSE;
    std::size_t const length = std::strlen(PathOf(list));
    if (length >= MAX_PATH)
        return FALSE;
    std::memcpy(path, PathOf(list), length + 1);
    return TRUE;
}

HRESULT SHGetMalloc(IMalloc ** malloc) {
    if (!malloc)
        return E_INVALIDARG;
    Allocator().AddRef();
    *malloc = &Allocator();
    return S_OK;
}
