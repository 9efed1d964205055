#pragma once

// Test helpers for modal dialogs shown by the thread under test: a watcher thread finds the
// dialog, reads its window texts and presses its controls, as a user would.

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace orvane::test {

struct ProbedControl {
    HWND hwnd = nullptr;
    std::wstring className;
    std::wstring text;
    int id = 0;
    LONG style = 0;
};

struct ProbedDialog {
    HWND hwnd = nullptr;
    std::wstring title;
    std::vector<ProbedControl> controls;

    bool HasText(const std::wstring& text) const {
        for (const auto& c : controls) {
            if (c.text == text) {
                return true;
            }
        }
        return false;
    }
    const ProbedControl* Find(const std::wstring& text) const {
        for (const auto& c : controls) {
            if (c.text == text) {
                return &c;
            }
        }
        return nullptr;
    }
    const ProbedControl* FindId(int id) const {
        for (const auto& c : controls) {
            if (c.id == id && c.className == L"Button") {
                return &c;
            }
        }
        return nullptr;
    }
    std::vector<std::wstring> Buttons() const {
        std::vector<std::wstring> out;
        for (const auto& c : controls) {
            const LONG kind = c.style & BS_TYPEMASK;
            if (c.className == L"Button" && (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON) &&
                (c.style & WS_VISIBLE)) {
                out.push_back(c.text);
            }
        }
        return out;
    }
};

inline std::wstring WindowText(HWND w) {
    wchar_t buf[1024] = {};
    DWORD_PTR n = 0;
    ::SendMessageTimeoutW(w, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG,
                          2000, &n);
    return buf;
}

inline ProbedDialog ReadDialog(HWND dlg) {
    ProbedDialog d;
    d.hwnd = dlg;
    d.title = WindowText(dlg);
    ::EnumChildWindows(
        dlg,
        [](HWND w, LPARAM p) -> BOOL {
            ProbedControl c;
            c.hwnd = w;
            wchar_t cls[64] = {};
            ::GetClassNameW(w, cls, 64);
            c.className = cls;
            c.text = WindowText(w);
            c.id = ::GetDlgCtrlID(w);
            c.style = ::GetWindowLongW(w, GWL_STYLE);
            reinterpret_cast<ProbedDialog*>(p)->controls.push_back(c);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&d));
    return d;
}

// A visible top-level dialog window of this process, or null.
inline HWND FindOwnDialog() {
    struct Search {
        HWND found = nullptr;
    } s;
    ::EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            DWORD pid = 0;
            ::GetWindowThreadProcessId(w, &pid);
            wchar_t cls[64] = {};
            ::GetClassNameW(w, cls, 64);
            if (pid == ::GetCurrentProcessId() && ::IsWindowVisible(w) &&
                std::wstring(cls) == L"#32770") {
                reinterpret_cast<Search*>(p)->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.found;
}

// Watches for the next dialog on its own thread; `act` reads and answers it. Join by
// destruction or Wait(). A dialog that never comes leaves `found` false (and the test
// then fails on it); a dialog left open would hang, so `act` must close it.
class DialogProbe {
  public:
    explicit DialogProbe(std::function<void(const ProbedDialog&)> act)
        : thread_([this, act = std::move(act)] {
              const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
              while (std::chrono::steady_clock::now() < deadline) {
                  if (HWND dlg = FindOwnDialog()) {
                      std::this_thread::sleep_for(std::chrono::milliseconds(150));
                      dialog_ = ReadDialog(dlg);
                      found_ = true;
                      act(dialog_);
                      return;
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(30));
              }
          }) {}
    ~DialogProbe() { Wait(); }
    DialogProbe(const DialogProbe&) = delete;
    DialogProbe& operator=(const DialogProbe&) = delete;

    void Wait() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    bool found() const { return found_; }
    const ProbedDialog& dialog() const { return dialog_; }

  private:
    ProbedDialog dialog_;
    bool found_ = false;
    std::thread thread_;
};

inline void Click(const ProbedControl* c) {
    if (c) {
        ::SendMessageW(c->hwnd, BM_CLICK, 0, 0);
    }
}
inline void PressEscape(const ProbedDialog& d) {
    ::PostMessageW(d.hwnd, WM_COMMAND, IDCANCEL, 0);
}
inline void PressCloseBox(const ProbedDialog& d) {
    ::PostMessageW(d.hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}

// Activates Common Controls 6 on this thread, as the program's manifest does.
class CommonControls6 {
  public:
    CommonControls6() {
        wchar_t dir[MAX_PATH];
        ::GetTempPathW(MAX_PATH, dir);
        path_ = std::wstring(dir) + L"orvane-test-comctl6.manifest";
        const char manifest[] =
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
            "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">"
            "<dependency><dependentAssembly><assemblyIdentity type=\"win32\" "
            "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" "
            "processorArchitecture=\"*\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>"
            "</dependentAssembly></dependency></assembly>\r\n";
        HANDLE f =
            ::CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        ::WriteFile(f, manifest, sizeof manifest - 1, &written, nullptr);
        ::CloseHandle(f);
        ACTCTXW ctx{};
        ctx.cbSize = sizeof ctx;
        ctx.lpSource = path_.c_str();
        ctx_ = ::CreateActCtxW(&ctx);
        if (ctx_ != INVALID_HANDLE_VALUE) {
            ::ActivateActCtx(ctx_, &cookie_);
        }
    }
    ~CommonControls6() {
        if (ctx_ != INVALID_HANDLE_VALUE) {
            ::DeactivateActCtx(0, cookie_);
            ::ReleaseActCtx(ctx_);
        }
    }
    CommonControls6(const CommonControls6&) = delete;
    CommonControls6& operator=(const CommonControls6&) = delete;

  private:
    std::wstring path_;
    HANDLE ctx_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
};

}  // namespace orvane::test
