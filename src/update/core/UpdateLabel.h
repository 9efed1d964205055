#pragma once

#include <string>
#include <vector>

namespace orvane {

// The link target of the label's "check for updates" caption.
inline constexpr wchar_t kCheckUpdateLink[] = L"U";

// What one finished check found out.
struct UpdateOutcome {
    enum class Kind { Failed, UpToDate, Available };
    Kind Result = Kind::Failed;
    std::wstring Version;  // the offered version in its short display form (Available only)
};

// The verdict on a version file's entry against the running program's own file version: a
// part-by-part comparison; either version unreadable makes the check a failed one.
UpdateOutcome JudgeVersions(const std::wstring& currentVersion, const std::wstring& ownVersion);

// The about window's update label: its caption and its tag, which is 0 until a check has
// reached a result and 1 afterwards.
class UpdateLabel {
  public:
    enum class State { Initial, Checking, Available, UpToDate, Error };

    State Current() const { return state_; }
    int Tag() const { return tag_; }
    // The caption in the link control's markup.
    std::wstring Caption() const;
    // A check is running: the caption is drawn in the greyed button-shadow colour.
    bool Greyed() const { return state_ == State::Checking; }

    // Every caption as the control shows it, links as plain text, with the longest offered
    // version that 16-bit parts give: the label must be wide enough for each.
    static std::vector<std::wstring> DisplayTexts();

    void StartCheck();
    // A result stays; a failure after a result (a second check that was already running)
    // does not replace it, so the window never falls back to retrying a settled question.
    void Finish(const UpdateOutcome& outcome);

  private:
    State state_ = State::Initial;
    int tag_ = 0;
    std::wstring version_;
};

}  // namespace orvane
