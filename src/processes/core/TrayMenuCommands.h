#pragma once

namespace orvane {

// Command IDs of the tray menu (WM_COMMAND). Separators carry IDs only so that the menu model
// can find them; Windows never reports them.
enum TrayMenuCommand : unsigned {
    kCmdLaunchTaskManager = 3001,
    kCmdMemoryDefragmenter = 3002,
    kCmdShowLog = 3003,
    kCmdSettings = 3004,
    kCmdAbout = 3005,
    kCmdClose = 3006,
    kCmdMemoryHistory = 3007,
    kCmdSeparatorN1 = 3011,
    kCmdSeparatorN2 = 3012,
    kCmdSeparatorN3 = 3013,
    kCmdFirstProcessLine = 3100,  // process line i has kCmdFirstProcessLine + i
    kCmdLastProcessLine = 3999,
};

// Item tags: the Task Manager item, memory-summary lines (and their separator), process lines
// (and their separator).
constexpr int kTagTaskManager = 97;
constexpr int kTagMemoryLine = 98;
constexpr int kTagProcessLine = 99;

}  // namespace orvane
