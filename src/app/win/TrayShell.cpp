#include "app/win/TrayShell.h"

#include "common/win/Handles.h"

namespace orvane::win {

namespace {

class SystemShell final : public TrayShell {
  public:
    bool NotifyIcon(DWORD message, NOTIFYICONDATAW& data) override {
        return ::Shell_NotifyIconW(message, &data) != FALSE;
    }

    void AllowMessage(HWND owner, UINT message) override {
        // Looked up at run time: a system without it has no message filter to pass.
        if (const auto allow = GetProcAddressAs<decltype(&::ChangeWindowMessageFilterEx)>(
                ::GetModuleHandleW(L"user32.dll"), "ChangeWindowMessageFilterEx")) {
            allow(owner, message, MSGFLT_ALLOW, nullptr);
        }
    }
};

}  // namespace

TrayShell& SystemTrayShell() {
    static SystemShell shell;
    return shell;
}

}  // namespace orvane::win
