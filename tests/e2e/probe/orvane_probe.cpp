// A small Windows-side driver for the end-to-end tests: finds windows, reads a dialog's texts
// and presses its buttons, and sends messages, from outside the program under test.
// Output is UTF-8; exit code 0 on success, 1 when what was asked for was not found.
#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& w) {
    if (w.empty()) {
        return {};
    }
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr,
                                        0, nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr,
                          nullptr);
    return s;
}

std::string Json(const std::wstring& w) {
    std::string out = "\"";
    for (const char c : Utf8(w)) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof(buf), "\\u%04x", u);
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::wstring ClassOf(HWND h) {
    wchar_t buf[256];
    const int n = ::GetClassNameW(h, buf, 256);
    return std::wstring(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

std::wstring TextOf(HWND h) {
    DWORD_PTR len = 0;
    if (!::SendMessageTimeoutW(h, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &len)) {
        return {};
    }
    std::vector<wchar_t> buf(len + 2);
    DWORD_PTR got = 0;
    ::SendMessageTimeoutW(h, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()),
                          SMTO_ABORTIFHUNG, 2000, &got);
    return std::wstring(buf.data(), got);
}

struct Finder {
    std::wstring cls;
    std::wstring title;
    bool needTitle = false;
    bool visibleOnly = false;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND h, LPARAM lp) {
    auto* f = reinterpret_cast<Finder*>(lp);
    if (f->visibleOnly && !::IsWindowVisible(h)) {
        return TRUE;
    }
    if (!f->cls.empty() && ClassOf(h) != f->cls) {
        return TRUE;
    }
    if (f->needTitle && TextOf(h) != f->title) {
        return TRUE;
    }
    f->found.push_back(h);
    return TRUE;
}

std::vector<HWND> FindTopLevel(const std::wstring& cls, const wchar_t* title, bool visibleOnly) {
    Finder f;
    f.cls = cls;
    f.visibleOnly = visibleOnly;
    if (title) {
        f.title = title;
        f.needTitle = true;
    }
    ::EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&f));
    return f.found;
}

BOOL CALLBACK CollectChild(HWND h, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
    return TRUE;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> v;
    ::EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&v));
    return v;
}

// Options after the command word: --name value pairs and bare flags.
struct Args {
    std::vector<std::wstring> positional;
    std::wstring Get(const wchar_t* name, const wchar_t* fallback = L"") const {
        for (size_t i = 0; i + 1 < named.size(); i += 2) {
            if (named[i] == name) {
                return named[i + 1];
            }
        }
        return fallback;
    }
    bool Has(const wchar_t* name) const {
        for (size_t i = 0; i < named.size(); i += 2) {
            if (named[i] == name) {
                return true;
            }
        }
        return false;
    }
    std::vector<std::wstring> named;
};

Args Parse(int argc, wchar_t** argv) {
    Args a;
    for (int i = 2; i < argc; ++i) {
        std::wstring s = argv[i];
        if (s.rfind(L"--", 0) == 0) {
            a.named.push_back(s.substr(2));
            a.named.push_back(
                i + 1 < argc && std::wstring(argv[i + 1]).rfind(L"--", 0) != 0 ? argv[++i] : L"1");
        } else {
            a.positional.push_back(s);
        }
    }
    return a;
}

long long Number(const std::wstring& s) {
    return std::wcstoll(s.c_str(), nullptr, 0);
}

template <typename Pred>
bool WaitFor(DWORD timeoutMs, Pred pred, DWORD pollMs = 50) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (pred()) {
            return true;
        }
        if (::GetTickCount64() >= end) {
            return false;
        }
        ::Sleep(pollMs);
    }
}

HWND FindOne(const Args& a) {
    const std::wstring title = a.Get(L"title");
    const auto v =
        FindTopLevel(a.Get(L"class"), a.Has(L"title") ? title.c_str() : nullptr, a.Has(L"visible"));
    return v.empty() ? nullptr : v.front();
}

HWND TargetWindow(const Args& a) {
    if (a.Has(L"hwnd")) {
        return reinterpret_cast<HWND>(static_cast<INT_PTR>(Number(a.Get(L"hwnd"))));
    }
    return FindOne(a);
}

void PrintDialog(HWND dlg) {
    RECT r{};
    ::GetWindowRect(dlg, &r);
    std::printf(
        "{\"hwnd\":%lld,\"class\":%s,\"title\":%s,\"rect\":[%ld,%ld,%ld,%ld],"
        "\"controls\":[",
        static_cast<long long>(reinterpret_cast<INT_PTR>(dlg)), Json(ClassOf(dlg)).c_str(),
        Json(TextOf(dlg)).c_str(), r.left, r.top, r.right, r.bottom);
    bool first = true;
    for (HWND c : Children(dlg)) {
        const std::wstring cls = ClassOf(c);
        long long checked = -1;
        const LONG style = ::GetWindowLongW(c, GWL_STYLE);
        if (cls == L"Button") {
            const LONG kind = style & BS_TYPEMASK;
            if (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_RADIOBUTTON ||
                kind == BS_AUTORADIOBUTTON || kind == BS_3STATE || kind == BS_AUTO3STATE) {
                checked = static_cast<long long>(::SendMessageW(c, BM_GETCHECK, 0, 0));
            }
        }
        std::printf(
            "%s{\"hwnd\":%lld,\"class\":%s,\"id\":%d,\"text\":%s,\"visible\":%s,"
            "\"enabled\":%s,\"checked\":%lld}",
            first ? "" : ",", static_cast<long long>(reinterpret_cast<INT_PTR>(c)),
            Json(cls).c_str(), ::GetDlgCtrlID(c), Json(TextOf(c)).c_str(),
            ::IsWindowVisible(c) ? "true" : "false", ::IsWindowEnabled(c) ? "true" : "false",
            checked);
        first = false;
    }
    std::printf("]}\n");
}

// Polls the text of a control until it reads `until` (after it has read `after`, when given),
// printing every distinct text seen, one JSON string a line. Sent messages are answered before
// posted ones, so a caption that stands while the program returns to its message loop is seen.
int WatchText(HWND control, const std::wstring& until, const std::wstring& after, DWORD timeoutMs) {
    std::wstring last;
    bool first = true;
    bool afterSeen = after.empty();
    const bool reached = WaitFor(
        timeoutMs,
        [&] {
            const std::wstring text = TextOf(control);
            if (first || text != last) {
                std::printf("%s\n", Json(text).c_str());
                std::fflush(stdout);
                last = text;
                first = false;
            }
            afterSeen = afterSeen || text == after;
            return afterSeen && text == until;
        },
        1);
    return reached ? 0 : 1;
}

// The ID of a running process named `exe` other than `known`, or 0.
DWORD OtherProcessNamed(const std::wstring& exe, DWORD known) {
    const HANDLE snap = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) {
        return 0;
    }
    PROCESSENTRY32W e{};
    e.dwSize = sizeof(e);
    DWORD found = 0;
    for (BOOL ok = ::Process32FirstW(snap, &e); ok && !found; ok = ::Process32NextW(snap, &e)) {
        if (e.th32ProcessID != known && ::lstrcmpiW(e.szExeFile, exe.c_str()) == 0) {
            found = e.th32ProcessID;
        }
    }
    ::CloseHandle(snap);
    return found;
}

// Posts --msg/--wparam to the window of --class --delay ms after another process of --exe than
// the window's own appears, and prints whether that new process was still alive at the post.
int RaceExit(const Args& a, DWORD timeout) {
    HWND target = FindOne(a);
    DWORD running = 0;
    if (!target || !::GetWindowThreadProcessId(target, &running)) {
        return 1;
    }
    const std::wstring exe = a.Get(L"exe", L"Orvane.exe");
    std::printf("ready\n");
    DWORD started = 0;
    if (!WaitFor(
            timeout, [&] { return (started = OtherProcessNamed(exe, running)) != 0; }, 1)) {
        return 1;
    }
    const HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, started);
    ::Sleep(static_cast<DWORD>(Number(a.Get(L"delay", L"100"))));
    const bool alive = process && ::WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    ::PostMessageW(target, static_cast<UINT>(Number(a.Get(L"msg"))),
                   static_cast<WPARAM>(Number(a.Get(L"wparam", L"0"))), 0);
    std::printf("%s %lu\n", alive ? "alive" : "gone", started);
    if (process) {
        ::CloseHandle(process);
    }
    return 0;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: orvane_probe wait-window|wait-gone|count|dialog|click|send|post|settext|"
                 "pid|clipboard|set-clipboard|atom|rect|watch-text|file-version|hold|tray-delete|"
                 "race-exit "
                 "[--class C] [--title T] [--visible] [--timeout MS] [--hwnd H] [--text T] "
                 "[--msg N | --msgname NAME] [--wparam N --lparam N] [--name N] "
                 "[--id N --until T --after T] [--file F --ms N] [--exe E --delay MS]\n");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);  // an answer is out even if Wine cuts the exit short
    if (argc < 2) {
        return Usage();
    }
    const std::wstring cmd = argv[1];
    const Args a = Parse(argc, argv);
    const auto timeout = static_cast<DWORD>(Number(a.Get(L"timeout", L"10000")));

    if (cmd == L"wait-window") {
        HWND h = nullptr;
        if (!WaitFor(timeout, [&] { return (h = FindOne(a)) != nullptr; })) {
            return 1;
        }
        std::printf("%lld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(h)));
        return 0;
    }
    if (cmd == L"wait-gone") {
        return WaitFor(timeout, [&] { return FindOne(a) == nullptr; }) ? 0 : 1;
    }
    if (cmd == L"count") {
        const std::wstring title = a.Get(L"title");
        std::printf("%zu\n",
                    FindTopLevel(a.Get(L"class"), a.Has(L"title") ? title.c_str() : nullptr,
                                 a.Has(L"visible"))
                        .size());
        return 0;
    }
    if (cmd == L"dialog") {
        // A visible dialog window (class #32770 unless told otherwise).
        Args d = a;
        if (!d.Has(L"class")) {
            d.named.push_back(L"class");
            d.named.push_back(L"#32770");
        }
        if (!d.Has(L"visible")) {
            d.named.push_back(L"visible");
            d.named.push_back(L"1");
        }
        HWND h = nullptr;
        if (!WaitFor(timeout,
                     [&] { return (h = d.Has(L"hwnd") ? TargetWindow(d) : FindOne(d)); })) {
            return 1;
        }
        PrintDialog(h);
        return 0;
    }
    if (cmd == L"click") {
        // Presses the child button whose text is --text in the window --hwnd.
        HWND dlg = TargetWindow(a);
        const std::wstring text = a.Get(L"text");
        HWND button = nullptr;
        WaitFor(timeout, [&] {
            for (HWND c : Children(dlg)) {
                if (TextOf(c) == text) {
                    button = c;
                    return true;
                }
            }
            return false;
        });
        if (!button) {
            return 1;
        }
        ::PostMessageW(button, BM_CLICK, 0, 0);
        return 0;
    }
    if (cmd == L"send" || cmd == L"post") {
        HWND h = nullptr;
        if (!WaitFor(timeout, [&] { return (h = TargetWindow(a)) != nullptr; })) {
            return 1;
        }
        // --msgname: a registered message, such as the taskbar's "TaskbarCreated".
        const auto msg = a.Has(L"msgname") ? ::RegisterWindowMessageW(a.Get(L"msgname").c_str())
                                           : static_cast<UINT>(Number(a.Get(L"msg")));
        const auto wp = static_cast<WPARAM>(Number(a.Get(L"wparam", L"0")));
        const auto lp = static_cast<LPARAM>(Number(a.Get(L"lparam", L"0")));
        if (cmd == L"post") {
            return ::PostMessageW(h, msg, wp, lp) ? 0 : 1;
        }
        DWORD_PTR result = 0;
        if (!::SendMessageTimeoutW(h, msg, wp, lp, SMTO_ABORTIFHUNG, timeout, &result)) {
            return 1;
        }
        std::printf("%lld\n", static_cast<long long>(result));
        return 0;
    }
    if (cmd == L"tray-delete") {
        // Takes the window's tray icon (--id, default 1) away, as a restarting taskbar loses it.
        HWND h = TargetWindow(a);
        if (!h) {
            return 1;
        }
        NOTIFYICONDATAW d{};
        d.cbSize = sizeof(d);
        d.hWnd = h;
        d.uID = static_cast<UINT>(Number(a.Get(L"id", L"1")));
        return ::Shell_NotifyIconW(NIM_DELETE, &d) ? 0 : 1;
    }
    if (cmd == L"settext") {
        // Puts --text into the window --hwnd (an edit of another program's dialog).
        HWND h = TargetWindow(a);
        const std::wstring text = a.Get(L"text");
        DWORD_PTR result = 0;
        return h && ::SendMessageTimeoutW(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                                          SMTO_ABORTIFHUNG, timeout, &result)
                   ? 0
                   : 1;
    }
    if (cmd == L"hold") {
        // Holds --file open without sharing, as a virus scanner or a sync tool may, for --ms
        // milliseconds (or until ended); prints "held" once it has the file.
        const std::wstring path = a.Get(L"file");
        HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return 1;
        }
        std::printf("held\n");
        std::fflush(stdout);
        ::Sleep(static_cast<DWORD>(Number(a.Get(L"ms", L"600000"))));
        ::CloseHandle(file);
        return 0;
    }
    if (cmd == L"rect") {
        // The window's screen rectangle: left top right bottom.
        HWND h = TargetWindow(a);
        RECT r;
        if (!h || !::GetWindowRect(h, &r)) {
            return 1;
        }
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        return 0;
    }
    if (cmd == L"watch-text") {
        // The control --id of the window --class/--hwnd. A first `null` line says the watch
        // runs; the control may come later (the about window makes its controls when shown).
        std::printf("null\n");
        std::fflush(stdout);
        HWND control = nullptr;
        WaitFor(
            timeout,
            [&] {
                HWND h = TargetWindow(a);
                control = h ? ::GetDlgItem(h, static_cast<int>(Number(a.Get(L"id")))) : nullptr;
                return control != nullptr;
            },
            1);
        return control ? WatchText(control, a.Get(L"until"), a.Get(L"after"), timeout) : 1;
    }
    if (cmd == L"file-version") {
        // The fixed file version of --file as a.b.c.d.
        const std::wstring file = a.Get(L"file");
        DWORD ignored = 0;
        std::vector<unsigned char> data(::GetFileVersionInfoSizeW(file.c_str(), &ignored));
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT len = 0;
        if (data.empty() ||
            !::GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(data.size()), data.data()) ||
            !::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &len) ||
            !fixed) {
            return 1;
        }
        std::printf("%lu.%lu.%lu.%lu\n", fixed->dwFileVersionMS >> 16,
                    fixed->dwFileVersionMS & 0xFFFF, fixed->dwFileVersionLS >> 16,
                    fixed->dwFileVersionLS & 0xFFFF);
        return 0;
    }
    if (cmd == L"race-exit") {
        return RaceExit(a, timeout);
    }
    if (cmd == L"pid") {
        HWND h = TargetWindow(a);
        DWORD pid = 0;
        if (!h || !::GetWindowThreadProcessId(h, &pid)) {
            return 1;
        }
        std::printf("%lu\n", pid);
        return 0;
    }
    if (cmd == L"clipboard") {
        // The clipboard's Unicode text as a JSON string (null when it holds none).
        if (!::OpenClipboard(nullptr)) {
            return 1;
        }
        HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
        const auto* text = data ? static_cast<const wchar_t*>(::GlobalLock(data)) : nullptr;
        std::printf("%s\n", text ? Json(text).c_str() : "null");
        if (text) {
            ::GlobalUnlock(data);
        }
        ::CloseClipboard();
        return 0;
    }
    if (cmd == L"set-clipboard") {
        const std::wstring text = a.Get(L"text");
        HGLOBAL mem = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        if (!mem || !::OpenClipboard(nullptr)) {
            return 1;
        }
        std::wmemcpy(static_cast<wchar_t*>(::GlobalLock(mem)), text.c_str(), text.size() + 1);
        ::GlobalUnlock(mem);
        ::EmptyClipboard();
        const bool set = ::SetClipboardData(CF_UNICODETEXT, mem) != nullptr;
        ::CloseClipboard();
        return set ? 0 : 1;
    }
    if (cmd == L"atom") {
        // Exit code 0 when the global atom --name exists.
        return ::GlobalFindAtomW(a.Get(L"name").c_str()) != 0 ? 0 : 1;
    }
    return Usage();
}
