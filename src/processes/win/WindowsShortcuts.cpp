#include "processes/win/WindowsShortcuts.h"

#include <oaidl.h>

#include <cstdio>

#include "common/core/AppError.h"
#include "common/win/ComPtr.h"
#include "common/win/Handles.h"
#include "common/win/SystemError.h"
#include "common/win/TemporaryOwner.h"
#include "processes/core/TrayDoubleClick.h"

namespace orvane::win {

namespace {

using LockWorkStationFn = BOOL(WINAPI*)();
using RunFileDlgFn = void(WINAPI*)(HWND owner, HICON icon, LPCWSTR folder, LPCWSTR title,
                                   LPCWSTR description, UINT flags);

constexpr BYTE kLeftWindowsKey = 91;
constexpr BYTE kKeyD = 68;

[[noreturn]] void ThrowComError(HRESULT hr) {
    std::wstring text = SystemErrorMessage(static_cast<DWORD>(hr));
    if (text.empty()) {
        wchar_t code[32];
        std::swprintf(code, 32, L"COM error 0x%08lX", static_cast<unsigned long>(hr));
        text = code;
    }
    throw AppError(text);
}

void Check(HRESULT hr) {
    if (FAILED(hr)) {
        ThrowComError(hr);
    }
}

}  // namespace

void LockWorkStationIfAvailable() {
    const auto lock =
        GetProcAddressAs<LockWorkStationFn>(::GetModuleHandleW(L"USER32.DLL"), "LockWorkStation");
    if (lock) {
        lock();
    }
}

void ShowWindowsRunDialog(const std::wstring& appName, HWND /*handle*/, HICON icon) {
    const UniqueModule shell32 = LoadSystemLibrary(L"shell32.dll");
    const auto runFileDlg = GetProcAddressAs<RunFileDlgFn>(shell32.get(), MAKEINTRESOURCEA(61));
    if (!runFileDlg) {
        return;
    }
    const std::wstring title = L"Run";
    const std::wstring description = RunDialogDescription(appName);
    const TemporaryOwner owner;
    runFileDlg(owner.get(), icon, nullptr, title.c_str(), description.c_str(), 0);
}

void ShowShutdownDialog() {
    const ComScope com;
    CLSID shellApplication{};
    Check(::CLSIDFromProgID(L"Shell.Application", &shellApplication));
    ComPtr<IDispatch> shell;
    Check(::CoCreateInstance(shellApplication, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                             IID_IDispatch, shell.put()));
    LPOLESTR name = const_cast<LPOLESTR>(L"ShutdownWindows");
    DISPID id = 0;
    Check(shell->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id));
    DISPPARAMS none{};
    Check(shell->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr, nullptr,
                        nullptr));
}

void ShowDesktop() {
    ::keybd_event(kLeftWindowsKey, 0, 0, 0);
    ::keybd_event(kKeyD, 0, 0, 0);
    ::keybd_event(kKeyD, 0, KEYEVENTF_KEYUP, 0);
    ::keybd_event(kLeftWindowsKey, 0, KEYEVENTF_KEYUP, 0);
}

}  // namespace orvane::win
