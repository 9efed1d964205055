#pragma once

#include <windows.h>

#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>

#include "common/win/Handles.h"

namespace orvane::win {

// The small icons of executables by path, kept from one opening of the menu to the next so that
// an opening extracts only the icons of programs it has not shown lately. Holds at most
// `capacity` paths, dropping the one shown longest ago; an entry whose file was written since
// its icon was read is read again. A line shares its icon with the cache, so dropping an entry
// never takes the icon from a line still on screen.
class ProcessIconCache {
  public:
    using Icon = std::shared_ptr<const UniqueIcon>;
    using Extractor = UniqueIcon (*)(const std::wstring& path);

    explicit ProcessIconCache(std::size_t capacity, Extractor extract);

    // The icon of `path`; null when the path is empty or the file holds no icon.
    Icon Get(const std::wstring& path);
    void Clear();
    std::size_t Size() const { return entries_.size(); }

  private:
    struct Entry {
        std::wstring path;
        FILETIME written{};
        Icon icon;
    };
    std::size_t capacity_;
    Extractor extract_;
    std::list<Entry> entries_;  // most recently shown first
    std::unordered_map<std::wstring, std::list<Entry>::iterator> byPath_;
};

}  // namespace orvane::win
