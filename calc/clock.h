#pragma once
// Today's date as the platform knows it (the system date).

#include "calc/date.h"

namespace tarvolin {

class Clock {
public:
    virtual ~Clock() = default;
    virtual Date today() = 0;
};

// The machine's local date.
class SystemClock final : public Clock {
public:
    Date today() override;
};

} // namespace tarvolin
