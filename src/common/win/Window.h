#pragma once

#include <windows.h>

namespace orvane::win {

// Base of the program's windows: one static window procedure recovers `this` at WM_NCCREATE
// and hands every message to `HandleMessage`. The derived class owns its HWND's lifetime.
class Window {
  public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }

  protected:
    // Registers the class once per process; returns false on failure.
    static bool RegisterClassOnce(const wchar_t* className, HICON icon, HICON smallIcon);
    // Creates the window with this object as its owner of messages.
    HWND CreateWindowFor(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle,
                         int x, int y, int w, int h, HWND parent);
    void DestroyOwnWindow();

    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

  private:
    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd_ = nullptr;
};

// Dispatches what is waiting in this thread's queue, like a message loop turn. A WM_QUIT met on
// the way is put back so the real loop still ends.
void ProcessPendingMessages();

}  // namespace orvane::win
