#pragma once

#include <windows.h>

#include <utility>

namespace orvane::win {

// A move-only owner of one Windows handle. `Traits` names the handle type, its empty value
// and the function that releases it.
template <typename Traits>
class UniqueHandle {
  public:
    using handle_type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(handle_type h) : h_(h) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : h_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }

    handle_type get() const { return h_; }
    explicit operator bool() const { return Traits::IsValid(h_); }

    handle_type release() { return std::exchange(h_, Traits::Empty()); }
    void reset(handle_type h = Traits::Empty()) {
        handle_type old = std::exchange(h_, h);
        if (Traits::IsValid(old)) {
            Traits::Close(old);
        }
    }

  private:
    handle_type h_ = Traits::Empty();
};

template <typename T, auto CloseFn>
struct NullHandleTraits {
    using Type = T;
    static constexpr T Empty() { return nullptr; }
    static bool IsValid(T h) { return h != nullptr; }
    static void Close(T h) { CloseFn(h); }
};

struct KernelHandleTraits {  // for CreateToolhelp32Snapshot, CreateFile: INVALID_HANDLE_VALUE
    using Type = HANDLE;
    static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};

struct AtomTraits {
    using Type = ATOM;
    static constexpr ATOM Empty() { return 0; }
    static bool IsValid(ATOM a) { return a != 0; }
    static void Close(ATOM a) { ::GlobalDeleteAtom(a); }
};

inline void DeleteGdiObject(HGDIOBJ h) {
    ::DeleteObject(h);
}

using UniqueIcon = UniqueHandle<NullHandleTraits<HICON, ::DestroyIcon>>;
using UniqueBitmap = UniqueHandle<NullHandleTraits<HBITMAP, DeleteGdiObject>>;
using UniqueFont = UniqueHandle<NullHandleTraits<HFONT, DeleteGdiObject>>;
using UniqueBrush = UniqueHandle<NullHandleTraits<HBRUSH, DeleteGdiObject>>;
using UniquePen = UniqueHandle<NullHandleTraits<HPEN, DeleteGdiObject>>;
using UniqueRegion = UniqueHandle<NullHandleTraits<HRGN, DeleteGdiObject>>;
using UniqueMemoryDc = UniqueHandle<NullHandleTraits<HDC, ::DeleteDC>>;
using UniqueMenu = UniqueHandle<NullHandleTraits<HMENU, ::DestroyMenu>>;
using UniqueModule = UniqueHandle<NullHandleTraits<HMODULE, ::FreeLibrary>>;
using UniqueWindow = UniqueHandle<NullHandleTraits<HWND, ::DestroyWindow>>;
using UniqueProcessHandle = UniqueHandle<NullHandleTraits<HANDLE, ::CloseHandle>>;  // OpenProcess
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueAtom = UniqueHandle<AtomTraits>;

// A DC obtained with GetDC, released with ReleaseDC for the same window.
class WindowDc {
  public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    ~WindowDc() {
        if (dc_) {
            ::ReleaseDC(hwnd_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND hwnd_;
    HDC dc_;
};

// Selects a GDI object into a DC and puts the previous one back on scope exit.
class SelectObjectGuard {
  public:
    SelectObjectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(::SelectObject(dc, obj)) {}
    ~SelectObjectGuard() {
        if (old_ && old_ != HGDI_ERROR) {
            ::SelectObject(dc_, old_);
        }
    }
    SelectObjectGuard(const SelectObjectGuard&) = delete;
    SelectObjectGuard& operator=(const SelectObjectGuard&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// Runs a callable on scope exit, for the odd cleanup that has no owner type.
template <typename F>
class ScopeExit {
  public:
    explicit ScopeExit(F f) : f_(std::move(f)) {}
    ~ScopeExit() { f_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

  private:
    F f_;
};

// Loads a DLL from the system folder only, never from the program's folder or the PATH.
UniqueModule LoadSystemLibrary(const wchar_t* name);

// A function of `module` as its typed pointer; null when the module or the export is missing
// (functions newer than Windows 7 are found this way).
template <typename Fn>
Fn GetProcAddressAs(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)))
                  : nullptr;
}

}  // namespace orvane::win
