#include "monitor/core/HighMemoryCheck.h"

namespace orvane {

void HighMemoryCheck::Check(std::uint32_t memoryLoad, const OrvaneOptions& options,
                            std::uint32_t nowTick, const std::function<void()>& actions) {
    if (!HighMemoryActionsWanted(options)) {
        return;
    }
    if (ShouldFire(memoryLoad, options.RedPercent, nowTick)) {
        actions();
    }
    lastMemPerc_ = static_cast<std::int32_t>(memoryLoad);
}

bool HighMemoryCheck::ShouldFire(std::uint32_t memoryLoad, std::int32_t redPercent,
                                 std::uint32_t nowTick) {
    const bool rose = lastMemPerc_ <= redPercent && static_cast<std::int64_t>(memoryLoad) >=
                                                        static_cast<std::int64_t>(redPercent);
    // Elapsed time in unsigned arithmetic stays right across the 49.7-day wrap of the counter,
    // where comparing against a precomputed deadline would not.
    const bool rested = !lastAlarmTick_ || nowTick - *lastAlarmTick_ > kAlarmIntervalMs;
    if (!rose || !rested) {
        return false;
    }
    lastAlarmTick_ = nowTick;
    return true;
}

bool HighMemoryActionsWanted(const OrvaneOptions& options) {
    return options.Warn || options.DefragOnHighMemory || options.WarnMsgBox || options.WriteLog;
}

std::wstring_view LowMemoryWarningText(bool defragOnHighMemory) {
    return defragOnHighMemory
               ? L"Orvane 尝试恢复内存, 但如果内存仍然不足, "
                 L"请保存文件后关闭或重新启动所有打开的程序"
               : L"要恢复足够的内存使程序正常运行, 请保存文件后关闭或重新启动所有打开的程序";
}

}  // namespace orvane
