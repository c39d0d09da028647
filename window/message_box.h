#pragma once
// The modal message box as the program needs it from the platform: a text, a
// title, either an OK button or Yes and No (Yes the default), and what kind of
// message it is, so that the platform can show a fitting picture. The call
// returns when the user has answered.

#include <cstdint>
#include <string_view>

namespace tarvolin {

enum class MessageButtons { Ok, YesNo };

enum class MessageKind {
    Notice,       // something the user should know: a hint of the calculation, a letter written
    Question,     // asks before something is done
    RejectedDate, // a confirmed date was refused and emptied, with the reason
    Failure,      // the platform failed the user: a file, the printer, the browser
};

inline constexpr std::int16_t answerOk = 1;
inline constexpr std::int16_t answerYes = 6;
inline constexpr std::int16_t answerNo = 7;

// The title of the calculation's notices.
inline constexpr std::string_view programTitle = "Tarvolin";

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Returns answerOk, answerYes or answerNo.
    virtual std::int16_t show(std::string_view text, std::string_view title, MessageButtons buttons,
                              MessageKind kind) = 0;
};

} // namespace tarvolin
