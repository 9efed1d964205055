#include "common/win/DialogTemplate.h"

#include <cstring>

namespace orvane::win {

std::vector<DWORD> EmptyDialogTemplate() {
    std::vector<WORD> words;
    DLGTEMPLATE head{};
    head.style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    head.cx = 100;
    head.cy = 50;
    words.resize(sizeof head / sizeof(WORD));
    std::memcpy(words.data(), &head, sizeof head);
    words.push_back(0);  // no menu
    words.push_back(0);  // standard class
    words.push_back(0);  // empty title
    words.push_back(9);  // point size
    for (const wchar_t* f = L"MS Shell Dlg"; *f; ++f) {
        words.push_back(static_cast<WORD>(*f));
    }
    words.push_back(0);
    std::vector<DWORD> dwords((words.size() + 1) / 2);
    std::memcpy(dwords.data(), words.data(), words.size() * sizeof(WORD));
    return dwords;
}

}  // namespace orvane::win
