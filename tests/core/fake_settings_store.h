#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/core/SettingsStore.h"

namespace orvane::test {

// An in-memory settings file that records the order of writes and can fail at one key.
class FakeSettingsStore : public SettingsReader, public SettingsWriter {
  public:
    std::wstring ReadString(std::wstring_view section, std::wstring_view key,
                            std::wstring_view defaultValue) const override {
        const auto it = values.find({std::wstring(section), std::wstring(key)});
        return it == values.end() ? std::wstring(defaultValue) : it->second;
    }
    void WriteString(std::wstring_view section, std::wstring_view key,
                     std::wstring_view value) override {
        if (failAtKey == key) {
            throw std::runtime_error("write failed");
        }
        writes.push_back(std::wstring(section) + L"/" + std::wstring(key) + L"=" +
                         std::wstring(value));
        values[{std::wstring(section), std::wstring(key)}] = value;
    }

    std::map<std::pair<std::wstring, std::wstring>, std::wstring> values;
    std::vector<std::wstring> writes;
    std::wstring failAtKey;
};

}  // namespace orvane::test
