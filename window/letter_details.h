#pragma once
// What the letter needs from the platform besides the window: the office's
// letterhead and the addressee of the letter about to be printed. Where they
// come from is the platform's business (the desktop keeps the letterhead in
// the user's settings and asks for the addressee in a dialog); a platform
// without them (the scripted mode, the staff list) answers none(), and the
// letter is the plain one.

#include "output/letter.h"

#include <optional>

namespace tarvolin {

class LetterDetails {
public:
    virtual ~LetterDetails() = default;
    // The letterhead as it stands now; empty for the plain sender.
    virtual Letterhead letterhead() = 0;
    // The addressee of this letter, asked for before it is laid out; an
    // empty one leaves the room to write. Nothing when the user cancelled:
    // then nothing is printed.
    virtual std::optional<Addressee> askAddressee() = 0;

    // Neither letterhead nor addressee, and nothing asked.
    static LetterDetails& none();
};

} // namespace tarvolin
