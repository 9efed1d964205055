// The version file's entry comes from a server: any text must be judged without a fault, and the
// verdicts must agree with each other.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "FuzzSupport.h"
#include "common/core/VersionText.h"
#include "update/core/TempFileName.h"
#include "update/core/UpdateLabel.h"
#include "update/core/VersionFile.h"
#include "update/core/VersionNumber.h"

namespace {

using namespace orvane;
using fuzz::Require;

bool IsTempName(const std::wstring& name) {
    if (name.size() < 8 || name.compare(0, 3, L"TMP") != 0) {
        return false;
    }
    for (std::size_t i = 3; i < 8; ++i) {
        if (name[i] < L'0' || name[i] > L'9') {
            return false;
        }
    }
    return name.size() == 8 || name[8] == L'.';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The remote entry and the program's own version, split at the first line break.
    const std::wstring text = fuzz::WideText(data, size);
    const auto cut = text.find(L'\n');
    const std::wstring remote = text.substr(0, cut);
    const std::wstring own = cut == std::wstring::npos ? L"4.1.0.0" : text.substr(cut + 1);

    const bool newer = IsNewerVersion(remote, own);
    Require(!(newer && IsNewerVersion(own, remote)));
    Require(!IsNewerVersion(remote, remote));

    const UpdateOutcome outcome = JudgeVersions(remote, own);
    const bool readable = ParseVersion(remote) && ParseVersion(own);
    Require((outcome.Result == UpdateOutcome::Kind::Failed) == !readable);
    Require((outcome.Result == UpdateOutcome::Kind::Available) == newer);
    // Every version offered can be shown.
    Require(outcome.Result != UpdateOutcome::Kind::Available || !outcome.Version.empty());

    UpdateLabel label;
    label.StartCheck();
    label.Finish(outcome);
    Require(label.Tag() == (readable ? 1 : 0));
    Require(!label.Greyed());

    FormatVersionText(remote, true);
    FormatVersionText(remote, false);
    ProgramKeyFromPath(remote);
    IsWebAddress(remote);
    DownloadQuestionText(remote, own);

    double fraction = 0;
    if (size >= sizeof(fraction)) {
        std::memcpy(&fraction, data, sizeof(fraction));
    }
    Require(IsTempName(TempFileNameAt(fraction, static_cast<unsigned>(size), own)));
    return 0;
}
