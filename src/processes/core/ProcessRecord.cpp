#include "processes/core/ProcessRecord.h"

namespace orvane {

std::int64_t ConvertMemoryUnit(std::int64_t bytes, int unitType) {
    switch (unitType) {
        case utByte:
            return bytes;
        case utKiloByte:
            return bytes / 1024;
        case utMegaByte:
            return bytes / 1048576;
        case utGigaByte:
            return bytes / 1073741824;
        default:
            return 0;
    }
}

}  // namespace orvane
