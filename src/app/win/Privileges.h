#pragma once

namespace orvane::win {

// Switches one named privilege of this process's token on or off; failures are silent.
void EnablePrivilege(const wchar_t* name, bool enable);

}  // namespace orvane::win
