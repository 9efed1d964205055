#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "processes/core/DosPathFromNtPath.h"
#include "processes/win/SystemInformationQuery.h"

namespace orvane::win {

// Image paths of processes, in the form QueryFullProcessImageNameW gives them. The system is
// asked by process ID (NtQuerySystemInformation), which opens no process; where it cannot
// answer (Wine 8, or a path on no drive letter), the process is opened for limited queries, as
// before. Keeps its buffer and the drive map for the paths that follow.
class ProcessImagePaths {
  public:
    ProcessImagePaths();
    explicit ProcessImagePaths(SystemInformationQuery& query);

    // Empty when the process has ended or its path cannot be read.
    std::wstring Of(DWORD processId);

  private:
    std::wstring AskById(DWORD processId);

    SystemInformationQuery& query_;
    std::vector<wchar_t> name_;
    std::optional<std::vector<DosDevice>> devices_;  // read with the first path
    bool byIdUnsupported_ = false;
};

// The drive letters and the devices they stand for ("C:" → "\Device\HarddiskVolume3").
std::vector<DosDevice> ReadDosDevices();

// The image path through a limited-access open of the process; empty when that fails.
std::wstring ImagePathByOpening(DWORD processId);

}  // namespace orvane::win
