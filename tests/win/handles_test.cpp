// The Win32 traits of Unique release their handle with the right function,
// and the guards undo their step. Each kind of handle is checked through an
// API that fails for a handle that is no longer open.
#include "win/guards.h"
#include "win/handles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string TempPath(const char* name) {
    char folder[MAX_PATH];
    DWORD length = ::GetTempPathA(MAX_PATH, folder);
    return std::string(folder, length) + name;
}

struct KernelObject {
    using Owner = win::UniqueHandle;
    static HANDLE Make() { return ::CreateEventA(nullptr, TRUE, FALSE, nullptr); }
    static bool IsOpen(HANDLE event) {
        DWORD flags;
        return ::GetHandleInformation(event, &flags) != FALSE;
    }
};

struct File {
    using Owner = win::UniqueFile;
    static HANDLE Make() {
        return ::CreateFileA(TempPath("vellinor-handles-test.tmp").c_str(), GENERIC_WRITE, 0,
                             nullptr, CREATE_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    }
    static bool IsOpen(HANDLE file) { return KernelObject::IsOpen(file); }
};

constexpr char kTestKey[] = "Software\\Vellinor Tests\\Handles";

struct Key {
    using Owner = win::UniqueKey;
    static HKEY Make() {
        HKEY key = nullptr;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, REG_OPTION_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &key, nullptr);
        return key;
    }
    static bool IsOpen(HKEY key) {
        DWORD values = 0;
        return ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  &values, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    }
};

struct Brush {
    using Owner = win::UniqueBrush;
    static HBRUSH Make() { return ::CreateSolidBrush(RGB(1, 2, 3)); }
    static bool IsOpen(HBRUSH brush) { return ::GetObjectType(brush) != 0; }
};

struct Menu {
    using Owner = win::UniqueMenu;
    static HMENU Make() { return ::CreatePopupMenu(); }
    static bool IsOpen(HMENU menu) { return ::IsMenu(menu) != FALSE; }
};

struct Accelerators {
    using Owner = win::UniqueAccelerators;
    static HACCEL Make() {
        ACCEL entry{FVIRTKEY | FCONTROL, 'A', 1};
        return ::CreateAcceleratorTableA(&entry, 1);
    }
    static bool IsOpen(HACCEL table) { return ::CopyAcceleratorTableA(table, nullptr, 0) > 0; }
};

struct GlobalBlock {
    using Owner = win::UniqueGlobal;
    static HGLOBAL Make() { return ::GlobalAlloc(GMEM_MOVEABLE, 16); }
    static bool IsOpen(HGLOBAL memory) { return ::GlobalFlags(memory) != GMEM_INVALID_HANDLE; }
};

struct LocalBlock {
    using Owner = win::UniqueLocal;
    static HLOCAL Make() { return ::LocalAlloc(LMEM_MOVEABLE, 16); }
    static bool IsOpen(HLOCAL memory) { return ::LocalFlags(memory) != LMEM_INVALID_HANDLE; }
};

struct Find {
    using Owner = win::UniqueFind;
    static HANDLE Make() {
        WIN32_FIND_DATAA data;
        return ::FindFirstFileA("C:\\windows\\*", &data);
    }
    static bool IsOpen(HANDLE find) {
        WIN32_FIND_DATAA data;
        return ::FindNextFileA(find, &data) || ::GetLastError() != ERROR_INVALID_HANDLE;
    }
};

struct WindowClass {
    using Owner = win::UniqueWindowClass;
    static ATOM Make() {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = ::DefWindowProcA;
        windowClass.hInstance = win::ModuleInstance();
        windowClass.lpszClassName = "VellinorHandlesTest";
        return ::RegisterClassExA(&windowClass);
    }
    static bool IsOpen(ATOM atom) {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        return ::GetClassInfoExA(win::ModuleInstance(), MAKEINTATOM(atom), &windowClass) != FALSE;
    }
};

template <class Resource>
class HandleOwnerTest : public ::testing::Test {
protected:
    void TearDown() override { ::RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey); }
};

using Resources = ::testing::Types<KernelObject, File, Key, Brush, Menu, Accelerators,
                                   GlobalBlock, LocalBlock, Find, WindowClass>;
TYPED_TEST_SUITE(HandleOwnerTest, Resources);

TYPED_TEST(HandleOwnerTest, ResetReleasesTheHandle) {
    typename TypeParam::Owner owner(TypeParam::Make());
    ASSERT_TRUE(owner);
    auto raw = owner.Get();
    ASSERT_TRUE(TypeParam::IsOpen(raw));
    owner.Reset();
    EXPECT_FALSE(owner);
    EXPECT_FALSE(TypeParam::IsOpen(raw));
}

TYPED_TEST(HandleOwnerTest, TheEndOfTheScopeReleasesTheHandle) {
    decltype(TypeParam::Make()) raw;
    {
        typename TypeParam::Owner owner(TypeParam::Make());
        raw = owner.Get();
        ASSERT_TRUE(TypeParam::IsOpen(raw));
    }
    EXPECT_FALSE(TypeParam::IsOpen(raw));
}

TYPED_TEST(HandleOwnerTest, AReleasedHandleStaysOpen) {
    typename TypeParam::Owner owner(TypeParam::Make());
    auto raw = owner.Release();
    EXPECT_FALSE(owner);
    EXPECT_TRUE(TypeParam::IsOpen(raw));
    owner.Reset(raw);
}

TEST(FileOwner, AFailedCreateFileOwnsNothing) {
    win::UniqueFile file(::CreateFileA("Z:\\no such folder\\no such file", GENERIC_READ, 0, nullptr,
                                       OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(file);
    EXPECT_EQ(file.Get(), INVALID_HANDLE_VALUE);
}

TEST(FindOwner, AFailedFindOwnsNothing) {
    WIN32_FIND_DATAA data;
    win::UniqueFind find(::FindFirstFileA("Z:\\no such folder\\*", &data));
    EXPECT_FALSE(find);
}

TEST(KeyOwner, PutReceivesTheKeyOfAnOpeningCall) {
    win::UniqueKey key;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, REG_OPTION_VOLATILE,
                                KEY_ALL_ACCESS, nullptr, key.Put(), nullptr),
              ERROR_SUCCESS);
    EXPECT_TRUE(Key::IsOpen(key.Get()));
    key.Reset();
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
}

class GuardTest : public ::testing::Test {
protected:
    win::WindowDc screen_{nullptr};
};

TEST_F(GuardTest, WindowDcGivesADeviceContext) {
    ASSERT_TRUE(screen_);
    EXPECT_GT(::GetDeviceCaps(screen_.Get(), HORZRES), 0);
}

TEST_F(GuardTest, SelectGuardPutsThePreviousObjectBack) {
    HDC dc = ::CreateCompatibleDC(screen_.Get());
    ASSERT_NE(dc, nullptr);
    HGDIOBJ original = ::GetCurrentObject(dc, OBJ_BRUSH);
    win::UniqueBrush brush(::CreateSolidBrush(RGB(10, 20, 30)));
    {
        win::SelectGuard selected(dc, brush.Get());
        EXPECT_TRUE(selected);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), brush.Get());
    }
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), original);
    ::DeleteDC(dc);
}

TEST_F(GuardTest, SelectGuardOfADeletedObjectReportsFailureAndRestoresNothing) {
    HDC dc = ::CreateCompatibleDC(screen_.Get());
    HGDIOBJ original = ::GetCurrentObject(dc, OBJ_BRUSH);
    HBRUSH deleted = ::CreateSolidBrush(RGB(1, 1, 1));
    ::DeleteObject(deleted);
    {
        win::SelectGuard selected(dc, deleted);
        EXPECT_FALSE(selected);
    }
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), original);
    ::DeleteDC(dc);
}

TEST_F(GuardTest, GlobalLockGuardUnlocksAtTheEndOfItsScope) {
    win::UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE, 4));
    {
        win::GlobalLockGuard<char> lock(memory.Get());
        ASSERT_TRUE(lock);
        lock.Get()[0] = 'x';
        EXPECT_EQ(::GlobalFlags(memory.Get()) & GMEM_LOCKCOUNT, 1u);
    }
    EXPECT_EQ(::GlobalFlags(memory.Get()) & GMEM_LOCKCOUNT, 0u);
}

}  // namespace
