#pragma once
// What the letter needs from the platform besides the window: the office's
// letterhead and the addressee of the letter about to be printed. Where they
// come from is the platform's business (the desktop keeps the letterhead in
// the user's settings and asks for the addressee in a dialog); a platform
// without them (the scripted mode, the staff list) answers none(), and the
// letter is the plain one.

#include "output/letter.h"

#include <optional>
#include <string>

namespace tarvolin {

// The case a letter is about, as the window shows it: birthday and pay start
// (dd/mm/yyyy). An addressee entered for one case is offered again only for
// the same case, so that no letter goes to the previous person.
struct LetterCase {
    std::string birthday;
    std::string payStart;
    bool operator==(const LetterCase&) const = default;
};

class LetterDetails {
public:
    virtual ~LetterDetails() = default;
    // The letterhead as it stands now; empty for the plain sender.
    virtual Letterhead letterhead() = 0;
    // The addressee of this letter about that case, asked for before it is
    // laid out; an empty one leaves the room to write. Nothing when the user
    // cancelled: then nothing is printed.
    virtual std::optional<Addressee> askAddressee(const LetterCase& letterCase) = 0;

    // Neither letterhead nor addressee, and nothing asked.
    static LetterDetails& none();
};

} // namespace tarvolin
