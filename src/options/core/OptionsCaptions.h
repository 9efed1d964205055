#pragma once

#include <array>
#include <string_view>

namespace orvane {

// The options dialog's texts.
inline constexpr std::wstring_view kOptionsTitle = L"Orvane 设置";
inline constexpr std::wstring_view kCaptionOk = L"确定(&O)";
inline constexpr std::wstring_view kCaptionCancel = L"取消(&C)";
inline constexpr std::wstring_view kCaptionApply = L"应用(&A)";
inline constexpr std::array<std::wstring_view, 5> kTabCaptions = {L"一般", L"附加", L"托盘菜单",
                                                                  L"显示", L"主题"};
inline constexpr int kThemesTab = 4;

// General.
inline constexpr std::wstring_view kCaptionShowPage = L"显示页面文件而不是物理内存";
inline constexpr std::wstring_view kCaptionShowFree = L"显示可用内存而不是已用内存";
inline constexpr std::wstring_view kCaptionShowPercentage = L"显示百分比而不是实际值";
inline constexpr std::wstring_view kCaptionWarnings = L"警告";
inline constexpr std::wstring_view kCaptionBarColors = L"当内存高于特定值时更改条形颜色:";
inline constexpr std::wstring_view kCaptionYellow = L"黄:";
inline constexpr std::wstring_view kCaptionRed = L"红";
inline constexpr std::wstring_view kCaptionPercent = L"%";
inline constexpr std::wstring_view kCaptionThemesLink = L"可在 <a>主题部分</a> 自定义条形颜色";
inline constexpr std::wstring_view kCaptionWarn = L"显示通知";
inline constexpr std::wstring_view kCaptionDefragOnHigh = L"整理内存";
inline constexpr std::wstring_view kCaptionWarnMsgBox = L"显示消息框";
inline constexpr std::wstring_view kCaptionLogFile = L"写入日志文件";

// Extra.
inline constexpr std::wstring_view kCaptionTimedDefrag = L"定时整理";
inline constexpr std::wstring_view kCaptionDefragEvery = L"整理, 每隔:";
inline constexpr std::wstring_view kCaptionMinutes = L"分钟";
inline constexpr std::wstring_view kCaptionHotkey = L"整理热键:";
inline constexpr std::wstring_view kCaptionHotkeyNote = L"按 \"del\" 键禁用 \"播放/停止\" 热键";
inline constexpr std::wstring_view kCaptionAdvanced = L"高级";
inline constexpr std::wstring_view kCaptionRefreshRate = L"托盘信息刷新率:";
inline constexpr std::wstring_view kCaptionMilliseconds = L"毫秒";
inline constexpr std::wstring_view kCaptionMillisecondsNote = L"* 1000 毫秒 = 1 秒";
inline constexpr std::wstring_view kCaptionResetRate = L"<a>默认值</a>";
inline constexpr std::wstring_view kCaptionDoubleClick = L"双击托盘:";
inline constexpr std::array<std::wstring_view, 8> kDoubleClickItems = {
    L"启动任务管理器 (默认)", L"整理内存", L"内存信息", L"显示设置", L"锁定工作站", L"运行程序",
    L"关闭 Windows 对话框",   L"显示桌面"};
inline constexpr std::wstring_view kCaptionMonitor = L"当锁定计算机时关闭显示器";

// Tray menu.
inline constexpr std::wstring_view kCaptionProcesses = L"进程";
inline constexpr std::wstring_view kCaptionShowTop =
    L"当右键点击托盘图标时, 显示内存占用最高的进程.";
inline constexpr std::wstring_view kCaptionProcessCount = L"显示数量:";
inline constexpr std::wstring_view kCaptionProcessUnit = L"进程";
inline constexpr std::wstring_view kCaptionProcessValue = L"当前显示:";
inline constexpr std::array<std::wstring_view, 3> kProcessValueItems = {
    L"内存值", L"内存值和百分比", L"百分比"};
inline constexpr std::wstring_view kCaptionHighlight = L"高亮显示进程, 当内存值高于:";
inline constexpr std::wstring_view kCaptionMegabytes = L"MB";
inline constexpr std::wstring_view kCaptionProcessName = L"显示进程名称而不是模块名称";
inline constexpr std::wstring_view kCaptionUnify = L"统一相同进程";
inline constexpr std::wstring_view kCaptionMore = L"更多";
inline constexpr std::wstring_view kCaptionShowMemMenu = L"显示当前内存信息";
inline constexpr std::wstring_view kCaptionDisplayHint = L"在托盘中显示值";

// Display.
inline constexpr std::wstring_view kCaptionFont = L"字体";
inline constexpr std::wstring_view kCaptionSetFont = L"字体(&F)";
inline constexpr std::wstring_view kCaptionInternalFont = L"使用内部字体优化结果";
inline constexpr std::wstring_view kCaptionInternalFontName = L"(内部字体)";
inline constexpr std::wstring_view kCaptionDigitsColored = L"使用条形颜色作为字体颜色";
inline constexpr std::wstring_view kCaptionAppearance = L"外观";
inline constexpr std::wstring_view kCaptionTransparent = L"透明背景";
inline constexpr std::wstring_view kCaptionBarBottom = L"底部栏";
inline constexpr std::wstring_view kCaptionFullBar = L"不透明栏";
inline constexpr std::wstring_view kCaptionPercSign = L"显示 % 符号";
inline constexpr std::wstring_view kCaptionStandardBar = L"标准栏";
inline constexpr std::wstring_view kCaptionScaleWarning = L"* 内部字体在当前缩放设置中不可用";

// Themes.
inline constexpr std::wstring_view kCaptionTheme = L"主题:";
inline constexpr std::wstring_view kCaptionSaveAs = L"另存为(&S)";
inline constexpr std::wstring_view kCaptionDeleteTheme = L"删除(&D)";
inline constexpr std::wstring_view kCaptionColorItems = L"显示项目:";
inline constexpr std::array<std::wstring_view, 3> kMenuModeItems = {L"自动", L"亮", L"暗"};
inline constexpr std::wstring_view kNoteDigitsColored = L"注: 由条形颜色设置字体颜色";
inline constexpr std::wstring_view kNoteTransparent = L"注: 背景设置为透明";

}  // namespace orvane
