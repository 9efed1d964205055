#pragma once

// Test helpers for modal dialogs shown by the thread under test: a watcher thread finds the
// dialog, reads its window texts and presses its controls, as a user would.

#include <windows.h>

#include <atomic>
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
    // A generous timeout: the first paint of Chinese text may load fonts for seconds.
    ::SendMessageTimeoutW(w, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buf), SMTO_NORMAL, 15000,
                          &n);
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

// Watches for the next dialogs on its own thread and answers them in turn: the i-th dialog that
// appears (after the one before it has been answered) is read and handed to `acts[i]`. Join by
// destruction or Wait(). A dialog that never comes ends the watch (the test then fails on
// count()); a dialog left open would hang, so each act must close its dialog.
class DialogSequenceProbe {
  public:
    using Act = std::function<void(const ProbedDialog&)>;

    explicit DialogSequenceProbe(std::vector<Act> acts)
        : comctl_(LoadCommonControls()), thread_([this, acts = std::move(acts)] {
              HWND answered = nullptr;
              for (const Act& act : acts) {
                  answered = AnswerNext(answered, act);
                  if (!answered) {
                      return;
                  }
              }
          }) {}
    ~DialogSequenceProbe() { Wait(); }
    DialogSequenceProbe(const DialogSequenceProbe&) = delete;
    DialogSequenceProbe& operator=(const DialogSequenceProbe&) = delete;

    void Wait() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    // Stops watching: for a test that knows by now that no (further) dialog came.
    void Stop() {
        stop_ = true;
        Wait();
    }
    // How many dialogs came and were answered, and what each showed.
    std::size_t count() const { return dialogs_.size(); }
    const std::vector<ProbedDialog>& dialogs() const { return dialogs_; }

  private:
    // The common controls are loaded before the watcher thread starts, as the program loads
    // them at start-up: Wine can stall a thread that starts while they are being loaded.
    static bool LoadCommonControls() { return ::LoadLibraryW(L"comctl32.dll") != nullptr; }

    // Waits for a dialog other than the one answered last; null when none comes.
    HWND AnswerNext(HWND previous, const Act& act) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!stop_ && std::chrono::steady_clock::now() < deadline) {
            HWND dlg = FindOwnDialog();
            if (dlg && dlg != previous) {
                // Wait until the dialog's thread answers, then let it settle.
                DWORD_PTR ignored = 0;
                ::SendMessageTimeoutW(dlg, WM_NULL, 0, 0, SMTO_NORMAL, 15000, &ignored);
                std::this_thread::sleep_for(std::chrono::milliseconds(150));
                dialogs_.push_back(ReadDialog(dlg));
                act(dialogs_.back());
                return dlg;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
        return nullptr;
    }

    [[maybe_unused]] bool comctl_;
    std::vector<ProbedDialog> dialogs_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Watches for the next dialog and answers it with `act`.
class DialogProbe : public DialogSequenceProbe {
  public:
    explicit DialogProbe(Act act) : DialogSequenceProbe({std::move(act)}) {}
    bool found() const { return count() > 0; }
    const ProbedDialog& dialog() const {
        static const ProbedDialog none;
        return found() ? dialogs().front() : none;
    }
};

// Presses a button as a click would, but without the mouse capture that BM_CLICK needs (which
// a busy desktop can take away between press and release, losing the click): a check box or
// radio button changes its state, then the dialog hears the click.
inline void Click(const ProbedControl* c) {
    if (!c) {
        return;
    }
    const LONG kind = c->style & BS_TYPEMASK;
    if (kind == BS_AUTOCHECKBOX) {
        const LRESULT state = ::SendMessageW(c->hwnd, BM_GETCHECK, 0, 0);
        ::SendMessageW(c->hwnd, BM_SETCHECK, state == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
    } else if (kind == BS_AUTORADIOBUTTON) {
        ::SendMessageW(c->hwnd, BM_SETCHECK, BST_CHECKED, 0);
    }
    ::SendMessageW(::GetParent(c->hwnd), WM_COMMAND,
                   MAKEWPARAM(static_cast<WORD>(c->id), BN_CLICKED),
                   reinterpret_cast<LPARAM>(c->hwnd));
}
inline void PressEscape(const ProbedDialog& d) {
    ::PostMessageW(d.hwnd, WM_COMMAND, IDCANCEL, 0);
}
inline void PressCloseBox(const ProbedDialog& d) {
    ::PostMessageW(d.hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace orvane::test
