#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "processes/core/DosPathFromNtPath.h"
#include "processes/core/ProcessInformationChain.h"

namespace orvane {
namespace {

// Where the process query's buffer stood in the caller's memory: names point above it.
constexpr std::uint64_t kAddress = 0x7FF6'1234'0000;

struct Record {
    std::uint64_t pid;
    std::uint64_t parent;
    std::u16string name;
    std::uint64_t created = 0;
    std::uint64_t workingSet = 0;
    std::uint64_t pagefile = 0;
    std::uint32_t threads = 0;
    std::int32_t priority = 0;
};

// A chain written as the 64-bit system writes it: each record's fixed part (256 bytes, every
// field not set here filled with 0xAB, so that a read at a wrong place shows), a gap where
// the system puts thread records, then the name. The offsets are written out here on purpose
// rather than taken from the parser's layout.
class Chain {
  public:
    explicit Chain(const std::vector<Record>& records) {
        for (std::size_t i = 0; i < records.size(); ++i) {
            const Record& r = records[i];
            const std::size_t at = bytes.size();
            starts.push_back(at);
            const std::size_t nameAt = at + 256 + 80;
            const std::size_t end = nameAt + ((r.name.size() * 2 + 2 + 7) & ~std::size_t{7});
            bytes.resize(end, 0xAB);
            Put<std::uint32_t>(at + 0, i + 1 < records.size() ? end - at : 0);
            Put<std::uint32_t>(at + 4, r.threads);
            Put<std::uint64_t>(at + 32, r.created);
            Put<std::uint16_t>(at + 56, static_cast<std::uint16_t>(r.name.size() * 2));
            Put<std::uint16_t>(at + 58, static_cast<std::uint16_t>(r.name.size() * 2 + 2));
            Put<std::uint64_t>(at + 64, r.name.empty() ? 0 : kAddress + nameAt);
            Put<std::int32_t>(at + 72, r.priority);
            Put<std::uint64_t>(at + 80, r.pid);
            Put<std::uint64_t>(at + 88, r.parent);
            Put<std::uint64_t>(at + 144, r.workingSet);
            Put<std::uint64_t>(at + 184, r.pagefile);
            for (std::size_t k = 0; k <= r.name.size(); ++k) {
                Put<std::uint16_t>(nameAt + 2 * k, k < r.name.size() ? r.name[k] : 0);
            }
        }
    }

    template <typename T>
    void Put(std::size_t at, std::uint64_t value) {
        const auto v = static_cast<T>(value);
        std::memcpy(bytes.data() + at, &v, sizeof(T));
    }

    std::optional<std::vector<ProcessTableEntry>> Parse() const {
        return ParseProcessInformationChain(bytes, kAddress);
    }

    std::vector<std::uint8_t> bytes;
    std::vector<std::size_t> starts;
};

std::vector<Record> ThreeProcesses() {
    return {
        {0, 0, u"", 0, 8192, 0, 4, 0},  // the idle process: no name
        {4, 0, u"System", 133'000'000'000'000'001, 155648, 40960, 170, 8},
        {9348, 4, u"explorer.exe", 134'414'284'127'673'590, 26'353'664, 7'352'320, 52, 13},
    };
}

TEST(ProcessInformationChain, ReadsEveryRecordInOrder) {
    const auto entries = Chain(ThreeProcesses()).Parse();
    ASSERT_TRUE(entries.has_value());
    const std::vector<ProcessTableEntry> expected = {
        {0, 0, L"", 0, 8192, 0, 4, 0},
        {4, 0, L"System", 133'000'000'000'000'001, 155648, 40960, 170, 8},
        {9348, 4, L"explorer.exe", 134'414'284'127'673'590, 26'353'664, 7'352'320, 52, 13},
    };
    EXPECT_EQ(*entries, expected);
}

TEST(ProcessInformationChain, WellFormedOddities) {
    // One record alone; counters at their widest.
    const auto one =
        Chain({{0xFFFFFFFF, 0xFFFFFFFE, u"a.exe", ~0ull, ~0ull, ~0ull, 1, -2}}).Parse();
    ASSERT_TRUE(one.has_value());
    ASSERT_EQ(one->size(), 1u);
    EXPECT_EQ((*one)[0],
              (ProcessTableEntry{0xFFFFFFFF, 0xFFFFFFFE, L"a.exe", ~0ull, ~0ull, ~0ull, 1, -2}));

    // A name is read up to its first NUL, as the snapshot functions give it.
    const auto cut = Chain({{8, 4, std::u16string(u"ab\0cd", 5)}}).Parse();
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ((*cut)[0].Name, L"ab");

    // A name may lie anywhere in the buffer, also inside another record.
    Chain shared(ThreeProcesses());
    shared.Put<std::uint64_t>(shared.starts[2] + 64, kAddress + shared.starts[1] + 336);
    shared.Put<std::uint16_t>(shared.starts[2] + 56, 12);
    const auto sharedName = shared.Parse();
    ASSERT_TRUE(sharedName.has_value());
    EXPECT_EQ((*sharedName)[2].Name, L"System");

    // Bytes after the last record (the buffer was larger than the answer) are not looked at.
    Chain tail(ThreeProcesses());
    tail.bytes.resize(tail.bytes.size() + 4096, 0xCD);
    EXPECT_EQ(tail.Parse(), Chain(ThreeProcesses()).Parse());
}

// Each case spoils a well-formed chain of three in one way; none may be read.
TEST(ProcessInformationChain, RejectsWhatCannotBeTrusted) {
    struct Case {
        const char* what;
        void (*spoil)(Chain&);
    };
    const Case cases[] = {
        {"no bytes", [](Chain& c) { c.bytes.clear(); }},
        {"less than one record", [](Chain& c) { c.bytes.resize(255); }},
        {"answer cut inside the second record",
         [](Chain& c) { c.bytes.resize(c.starts[1] + 100); }},
        {"answer cut inside the last name", [](Chain& c) { c.bytes.resize(c.bytes.size() - 10); }},
        {"next record past the end",
         [](Chain& c) { c.Put<std::uint32_t>(c.starts[2], c.bytes.size() - c.starts[2]); }},
        {"next record less than one record ahead (overlap)",
         [](Chain& c) { c.Put<std::uint32_t>(c.starts[1], 8); }},
        {"next record at the largest offset", [](Chain& c) { c.Put<std::uint32_t>(0, ~0u); }},
        {"name before the buffer",
         [](Chain& c) { c.Put<std::uint64_t>(c.starts[1] + 64, kAddress - 2); }},
        {"name after the buffer",
         [](Chain& c) { c.Put<std::uint64_t>(c.starts[1] + 64, kAddress + c.bytes.size()); }},
        {"name running past the end",
         [](Chain& c) { c.Put<std::uint64_t>(c.starts[2] + 64, kAddress + c.bytes.size() - 4); }},
        {"name address that wraps around",
         [](Chain& c) { c.Put<std::uint64_t>(c.starts[2] + 64, ~0ull - 1); }},
        {"odd name length", [](Chain& c) { c.Put<std::uint16_t>(c.starts[1] + 56, 11); }},
        {"name length without a name", [](Chain& c) { c.Put<std::uint64_t>(c.starts[1] + 64, 0); }},
        {"process ID wider than 32 bits",
         [](Chain& c) { c.Put<std::uint64_t>(c.starts[2] + 80, 0x1'0000'0004); }},
        {"parent ID wider than 32 bits",
         [](Chain& c) { c.Put<std::uint64_t>(c.starts[2] + 88, 0x1'0000'0004); }},
    };
    for (const Case& c : cases) {
        Chain chain(ThreeProcesses());
        ASSERT_TRUE(chain.Parse().has_value());
        c.spoil(chain);
        EXPECT_FALSE(chain.Parse().has_value()) << c.what;
    }
}

TEST(DosPathFromNtPath, MapsTheDeviceOfADrive) {
    const std::vector<DosDevice> devices = {
        {L"C:", L"\\Device\\HarddiskVolume1"},
        {L"D:", L"\\Device\\HarddiskVolume10"},
        {L"E:", L"\\Device\\CdRom0"},
        {L"F:", L"\\Device\\HarddiskVolume10"},  // a second letter for one volume
    };
    struct Case {
        const wchar_t* nt;
        const wchar_t* dos;
    };
    const Case cases[] = {
        {L"\\Device\\HarddiskVolume1\\Windows\\explorer.exe", L"C:\\Windows\\explorer.exe"},
        {L"\\Device\\HarddiskVolume10\\a b\\程序.exe", L"D:\\a b\\程序.exe"},
        {L"\\DEVICE\\harddiskvolume1\\x.exe", L"C:\\x.exe"},  // device names ignore case
        {L"\\Device\\CdRom0\\setup.exe", L"E:\\setup.exe"},
        // Only a whole device name matches, never the start of a longer one.
        {L"\\Device\\HarddiskVolume100\\x.exe", L""},
        {L"\\Device\\HarddiskVolume1x.exe", L""},
        {L"\\Device\\HarddiskVolume1", L""},
        {L"\\Device\\HarddiskVolume1\\", L"C:\\"},
        {L"\\Device\\Mup\\server\\share\\a.exe", L""},  // a share: the caller asks the process
        {L"\\Device\\HarddiskVolume7\\x.exe", L""},
        {L"C:\\Windows\\x.exe", L""},
        {L"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DosPathFromNtPath(c.nt, devices), c.dos) << c.nt;
    }
    EXPECT_EQ(DosPathFromNtPath(L"\\Device\\HarddiskVolume1\\x.exe", {}), L"");
    // A drive without a device (QueryDosDeviceW failed for it) matches nothing.
    const std::vector<DosDevice> empty = {{L"G:", L""}};
    EXPECT_EQ(DosPathFromNtPath(L"\\x.exe", empty), L"");
}

}  // namespace
}  // namespace orvane
