// The process table and image paths come from the system (or from Wine): any bytes must be read
// without a fault, and what is read must lie within them.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "processes/core/DosPathFromNtPath.h"
#include "processes/core/ProcessInformationChain.h"

namespace {

using namespace orvane;
using fuzz::Require;

void CheckChain(std::span<const std::uint8_t> bytes) {
    // At address 0 a name's address is its offset, which the fuzzer finds easily.
    const auto entries = ParseProcessInformationChain(bytes, 0);
    if (!entries) {
        return;
    }
    Require(!entries->empty());
    Require(entries->size() <= bytes.size() / ProcessInformationLayout::kRecordSize);
    for (const ProcessTableEntry& e : *entries) {
        Require(e.Name.size() * 2 <= bytes.size());
        Require(e.Name.find(L'\0') == std::wstring::npos);
    }
}

void CheckPath(const std::wstring& nt) {
    static const std::vector<DosDevice> devices = {
        {L"C:", L"\\Device\\HarddiskVolume1"},
        {L"D:", L"\\Device\\HarddiskVolume10"},
        {L"E:", L""},
    };
    const std::wstring dos = DosPathFromNtPath(nt, devices);
    if (dos.empty()) {
        return;
    }
    // A drive, then exactly what followed the device in the given path.
    Require(dos.size() >= 3 && dos[1] == L':' && dos[2] == L'\\');
    Require(nt.ends_with(dos.substr(2)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckChain(std::span<const std::uint8_t>(data, size));
    CheckPath(fuzz::WideText(data, size));
    return 0;
}
