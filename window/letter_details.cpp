#include "window/letter_details.h"

namespace tarvolin {

namespace {

class NoLetterDetails final : public LetterDetails {
public:
    Letterhead letterhead() override { return {}; }
    std::optional<Addressee> askAddressee(const LetterCase&) override { return Addressee{}; }
};

} // namespace

LetterDetails& LetterDetails::none()
{
    static NoLetterDetails details;
    return details;
}

} // namespace tarvolin
