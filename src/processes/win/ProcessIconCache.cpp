#include "processes/win/ProcessIconCache.h"

namespace orvane::win {

namespace {

// The file's last write time; zero when it cannot be read (then the icon is read each time).
FILETIME LastWritten(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return FILETIME{};
    }
    return data.ftLastWriteTime;
}

bool SameTime(const FILETIME& a, const FILETIME& b) {
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

}  // namespace

ProcessIconCache::ProcessIconCache(std::size_t capacity, Extractor extract)
    : capacity_(capacity), extract_(extract) {}

ProcessIconCache::Icon ProcessIconCache::Get(const std::wstring& path) {
    if (path.empty()) {
        return nullptr;
    }
    const FILETIME written = LastWritten(path);
    const bool known = written.dwLowDateTime != 0 || written.dwHighDateTime != 0;
    if (const auto found = byPath_.find(path); found != byPath_.end()) {
        const auto entry = found->second;
        if (known && SameTime(entry->written, written)) {
            entries_.splice(entries_.begin(), entries_, entry);
            return entry->icon;
        }
        byPath_.erase(found);
        entries_.erase(entry);
    }
    UniqueIcon extracted = extract_(path);
    Icon icon = extracted ? std::make_shared<const UniqueIcon>(std::move(extracted)) : nullptr;
    if (!known || capacity_ == 0) {
        return icon;
    }
    entries_.push_front(Entry{path, written, icon});
    byPath_[path] = entries_.begin();
    while (entries_.size() > capacity_) {
        byPath_.erase(entries_.back().path);
        entries_.pop_back();
    }
    return icon;
}

void ProcessIconCache::Clear() {
    byPath_.clear();
    entries_.clear();
}

}  // namespace orvane::win
