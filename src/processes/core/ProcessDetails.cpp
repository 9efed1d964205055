#include "processes/core/ProcessDetails.h"

#include <algorithm>
#include <iterator>

#include "common/core/HexDigit.h"

namespace orvane {

namespace {

constexpr const wchar_t* kSystemProcessNames[] = {
    L"DWM.EXE",
    L"SVCHOST.EXE",
    L"CSRSS.EXE",
    L"TASKHOSTEX.EXE",
    L"ATBROKER.EXE",
    L"EXPLORER.EXE",
    L"LSASS.EXE",
    L"RUNDLL32.EXE",
    L"DLLHOST.EXE",
    L"RUNTIMEBROKER.EXE",
    L"SHELLEXPERIENCEHOST.EXE",
    L"SIHOST.EXE",
    L"SMARTSCREEN.EXE",
};

constexpr const wchar_t* kButtonCaptions[] = {
    L"在线搜索(&O)", L"复制详细信息(&D)", L"打开文件路径(&P)",
    L"可用内存(&M)", L"终止进程(&K)",     L"取消(&C)",
};

constexpr wchar_t kWebSearch[] = L"https://www.bing.com/search?q=";

std::wstring UpperAsciiLetters(std::wstring text) {
    for (wchar_t& c : text) {
        if (c >= L'a' && c <= L'z') {
            c = static_cast<wchar_t>(c - L'a' + L'A');
        }
    }
    return text;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string ToUtf8(const std::wstring& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = static_cast<char32_t>(text[i]) & 0xFFFF;  // UTF-16 code units
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) {
            const char32_t low = static_cast<char32_t>(text[i + 1]) & 0xFFFF;
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

}  // namespace

std::wstring DetailsTitle(const MenuLine& line) {
    return line.Name + L" (" + line.Value + L")";
}

std::wstring DetailsText(const ProgramStrings& strings, const std::wstring& path) {
    if (strings.FileDescription.empty()) {
        return L"(进程信息不可用)\r\n";
    }
    const std::pair<const wchar_t*, const std::wstring*> lines[] = {
        {L"名称: ", &strings.FileDescription},  {L"公司: ", &strings.CompanyName},
        {L"版本: ", &strings.FileVersion},      {L"版权: ", &strings.LegalCopyright},
        {L"内部名称: ", &strings.InternalName}, {L"文件路径: ", &path},
    };
    std::wstring text;
    for (const auto& [label, value] : lines) {
        text += label + *value + L"\r\n";
    }
    return text;
}

std::wstring DetailsContent(const std::wstring& details) {
    return details +
           L"\r\n请注意, 使用关联程序终止进程可能会导致不良的后果, 包括丢失未保存的数据, "
           L"系统不稳定甚至系统关闭等问题. 只有无响应的进程才应该被终止.";
}

std::wstring SystemProcessFooter(const std::wstring& name) {
    const std::wstring upper = UpperAsciiLetters(name);
    const bool system = std::any_of(std::begin(kSystemProcessNames), std::end(kSystemProcessNames),
                                    [&](const wchar_t* n) { return upper == n; });
    return system ? L"'" + name + L"' 可能是一个系统进程" : std::wstring();
}

DetailsAction DetailsActionFromResult(int result) {
    switch (result - kDetailsFirstButton) {
        case 0:
            return DetailsAction::WebSearch;
        case 1:
            return DetailsAction::CopyDetails;
        case 2:
            return DetailsAction::OpenFilePath;
        case 3:
            return DetailsAction::FreeMemory;
        case 4:
            return DetailsAction::Terminate;
        default:
            return DetailsAction::None;  // cancel, and every dismissal
    }
}

MessageBoxBuilder ProcessDetailsBox(const MenuLine& line, const std::wstring& details,
                                    IconHandle fileIcon) {
    MessageBoxBuilder box =
        NewMsgBox(DetailsTitle(line)).Text(DetailsContent(details)).CustomIcon(fileIcon);
    int result = kDetailsFirstButton;
    for (const wchar_t* caption : kButtonCaptions) {
        const DetailsAction action = DetailsActionFromResult(result);
        // A process the program cannot open would refuse to be trimmed or ended.
        const bool offered = !line.Unopenable || action == DetailsAction::WebSearch ||
                             action == DetailsAction::CopyDetails || action == DetailsAction::None;
        if (offered) {
            box = box.AddButton(caption, result, false);
        }
        ++result;
    }
    const std::wstring footer = SystemProcessFooter(line.Name);
    return box.WindowCaption(L"进程信息").Footer(footer, footer.empty() ? kIconNone : kIconWarning);
}

std::string PercentEncodeUtf8(const std::wstring& text) {
    std::string out;
    for (const char c : ToUtf8(text)) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsUnreserved(byte)) {
            out += c;
        } else {
            out += '%';
            out += static_cast<char>(HexDigitUpper(byte >> 4));
            out += static_cast<char>(HexDigitUpper(byte & 0xF));
        }
    }
    return out;
}

std::wstring WebSearchUrl(const std::wstring& name, const std::wstring& fileDescription) {
    const std::string query = PercentEncodeUtf8(name + L" " + fileDescription);
    return kWebSearch + std::wstring(query.begin(), query.end());
}

std::wstring ExplorerSelectParameters(const std::wstring& path) {
    return L"/select, \"" + path + L"\"";
}

std::vector<DetailsTarget> DetailsTargets(const MenuLine& line,
                                          const std::vector<ProcessRecord>& snapshot) {
    if (!line.bMultipleProcess) {
        if (line.CreationTime == 0) {
            return {};
        }
        return {{line.ProcessID, line.CreationTime}};
    }
    // A merged line without a path stands for the processes of its name whose path could not
    // be read.
    const auto belongs = [&line](const ProcessRecord& r) {
        if (!line.Path.empty()) {
            return r.ExeName == line.Path;
        }
        return r.Name == line.Name && r.ExeName.empty();
    };
    std::vector<DetailsTarget> targets;
    for (const ProcessRecord& r : snapshot) {
        if (r.CreationTime != 0 && belongs(r)) {
            targets.push_back({r.ProcessID, r.CreationTime});
        }
    }
    return targets;
}

}  // namespace orvane
