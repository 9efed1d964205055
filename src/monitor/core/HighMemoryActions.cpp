#include "monitor/core/HighMemoryActions.h"

#include "monitor/core/HighMemoryCheck.h"

namespace orvane {

namespace {

// Clears the open flag also when the dialog's caller is left by an error.
class DialogOpenFlag {
  public:
    explicit DialogOpenFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~DialogOpenFlag() { flag_ = false; }
    DialogOpenFlag(const DialogOpenFlag&) = delete;
    DialogOpenFlag& operator=(const DialogOpenFlag&) = delete;

  private:
    bool& flag_;
};

}  // namespace

void RunHighMemoryActions(const OrvaneOptions& options, const MemorySnapshot& snapshot,
                          bool& warningDialogOpen, const HighMemoryActions& actions) {
    if (options.DefragOnHighMemory) {
        actions.TrimAllWorkingSets();
    }
    const std::wstring title(kLowMemoryWarningTitle);
    const std::wstring text(LowMemoryWarningText(options.DefragOnHighMemory));
    if (options.Warn) {
        actions.ShowBalloon(title, text);
    }
    // The line is written when the event happens: the dialog may stay open for minutes, and
    // the session may end while it does.
    if (options.WriteLog) {
        actions.AppendLogLine(snapshot);
    }
    if (options.WarnMsgBox && !warningDialogOpen) {
        DialogOpenFlag open(warningDialogOpen);
        actions.ShowLowMemoryDialog(title, text);
    }
}

}  // namespace orvane
