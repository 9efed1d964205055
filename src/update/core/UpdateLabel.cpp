#include "update/core/UpdateLabel.h"

#include "common/core/VersionText.h"
#include "update/core/VersionNumber.h"

namespace orvane {

UpdateOutcome JudgeVersions(const std::wstring& currentVersion, const std::wstring& ownVersion) {
    const auto remote = ParseVersion(currentVersion);
    const auto own = ParseVersion(ownVersion);
    if (!remote || !own) {
        return {};
    }
    if (*remote > *own) {
        const VersionNumber& v = *remote;
        const std::wstring text = std::to_wstring(v[0]) + L"." + std::to_wstring(v[1]) + L"." +
                                  std::to_wstring(v[2]) + L"." + std::to_wstring(v[3]);
        return {UpdateOutcome::Kind::Available, FormatVersionText(text, true)};
    }
    return {UpdateOutcome::Kind::UpToDate, {}};
}

std::wstring UpdateLabel::Caption() const {
    switch (state_) {
        case State::Initial:
            return std::wstring(L"<a href=\"") + kCheckUpdateLink + L"\">检查更新</a>";
        case State::Checking:
            return L"正在检查更新...";
        case State::Available:
            return L"<a>Orvane " + version_ + L" 可供下载</a>";
        case State::UpToDate:
            return L"Orvane 是最新的";
        case State::Error:
            return L"检查新版本时出错";
    }
    return {};
}

std::vector<std::wstring> UpdateLabel::DisplayTexts() {
    auto plain = [](const UpdateLabel& label) {
        std::wstring text = label.Caption();
        for (auto open = text.find(L"<a"); open != std::wstring::npos; open = text.find(L"<a")) {
            text.erase(open, text.find(L'>', open) - open + 1);
        }
        for (auto close = text.find(L"</a>"); close != std::wstring::npos;
             close = text.find(L"</a>")) {
            text.erase(close, 4);
        }
        return text;
    };
    std::vector<std::wstring> texts;
    UpdateLabel label;
    texts.push_back(plain(label));
    label.StartCheck();
    texts.push_back(plain(label));
    label.Finish({});
    texts.push_back(plain(label));
    label.Finish({UpdateOutcome::Kind::UpToDate, {}});
    texts.push_back(plain(label));
    label.Finish({UpdateOutcome::Kind::Available, L"65535.6553565535 SR65535"});
    texts.push_back(plain(label));
    return texts;
}

void UpdateLabel::StartCheck() {
    state_ = State::Checking;
}

void UpdateLabel::Finish(const UpdateOutcome& outcome) {
    switch (outcome.Result) {
        case UpdateOutcome::Kind::Failed:
            if (tag_ == 0) {
                state_ = State::Error;
            }
            return;
        case UpdateOutcome::Kind::UpToDate:
            state_ = State::UpToDate;
            break;
        case UpdateOutcome::Kind::Available:
            state_ = State::Available;
            version_ = outcome.Version;
            break;
    }
    tag_ = 1;
}

}  // namespace orvane
