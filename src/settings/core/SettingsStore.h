#pragma once

#include <string>
#include <string_view>

namespace orvane {

// Where settings are read from: an INI-style store of sections and keys.
class SettingsReader {
  public:
    virtual ~SettingsReader() = default;
    // The key's text, or `defaultValue` when the key is missing.
    virtual std::wstring ReadString(std::wstring_view section, std::wstring_view key,
                                    std::wstring_view defaultValue) const = 0;
};

// Where settings are written to. A failed write throws and the save stops there.
class SettingsWriter {
  public:
    virtual ~SettingsWriter() = default;
    virtual void WriteString(std::wstring_view section, std::wstring_view key,
                             std::wstring_view value) = 0;
};

}  // namespace orvane
