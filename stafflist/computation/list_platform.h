#pragma once
// The platform a staff-list row is typed on: every message box is answered
// with its default button (Yes for Yes/No, else OK) and its text kept for the
// row's notes; the system date is the one the list was given; printer, shell
// and window host do nothing (the typing never presses their buttons).

#include "calc/clock.h"
#include "window/jda.h"
#include "window/message_box.h"
#include "window/quiet_platform.h"

#include <string>
#include <vector>

namespace tarvolin {

class CollectingMessageBox final : public MessageBox {
public:
    std::int16_t show(std::string_view text, std::string_view, MessageButtons buttons, MessageKind) override
    {
        texts.emplace_back(text);
        return buttons == MessageButtons::YesNo ? answerYes : answerOk;
    }
    std::vector<std::string> texts;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(Date day) : day_{day} {}
    Date today() override { return day_; }

private:
    Date day_;
};

// The five parts together, for one window object at a time.
struct ListPlatform {
    explicit ListPlatform(Date today) : clock{today} {}
    ListPlatform(const ListPlatform&) = delete;
    ListPlatform& operator=(const ListPlatform&) = delete;
    Platform platform() { return Platform{messages, clock, printer, shell, host}; }

    CollectingMessageBox messages;
    FixedClock clock;
    NoPrinter printer{"Die Personalliste druckt nicht."};
    NoShell shell{false};
    NoHost host;
};

} // namespace tarvolin
