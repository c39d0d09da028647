#include "script/scripted_window.h"

#include "script/dump.h"

#include <array>

namespace tarvolin {

namespace {

std::string_view verbOf(ScriptCommand c)
{
    constexpr std::array<std::string_view, 9> verbs{"today", "answer", "start", "focus", "type",
                                                    "key",   "click",  "close", "dump"};
    return verbs[static_cast<std::size_t>(c)];
}

} // namespace

ScriptedWindow::ScriptedWindow(std::ostream& out)
    : out_{out}, messages_{out}, printer_{out}, shell_{out}, host_{out, [this] { unload(); }}
{
}

std::string ScriptedWindow::run(const ScriptLine& line)
{
    const ScriptCommand c = line.command;
    const bool needsWindow = c != ScriptCommand::Today && c != ScriptCommand::Answer && c != ScriptCommand::Start;
    if (needsWindow && !window_)
        return "„" + std::string{verbOf(c)} + "“ braucht das Fenster: vorher fehlt „start“";
    if (c == ScriptCommand::Start && window_)
        return "„start“, obwohl das Fenster schon offen ist";

    Control* control = line.slot >= 0 && window_ ? &window_->at(line.slot) : nullptr;
    switch (c) {
    case ScriptCommand::Today: clock_.set(line.day); break;
    case ScriptCommand::Answer: messages_.queueAnswer(line.yes); break;
    case ScriptCommand::Start: start(); break;
    case ScriptCommand::Focus: dispatcher_->focus(*control); break;
    case ScriptCommand::Type:
        dispatcher_->type(*control, line.text);
        if (line.pressEnter)
            dispatcher_->key(*control, Key::Enter);
        break;
    case ScriptCommand::Key: dispatcher_->key(*control, line.key, line.text); break;
    case ScriptCommand::Click: dispatcher_->click(*control); break;
    case ScriptCommand::Close: host_.unload(); break;
    case ScriptCommand::Dump: out_ << dumpWindow(*window_); break;
    }
    if (unloaded_) {
        dispatcher_.reset();
        window_.reset();
        unloaded_ = false;
    }
    return {};
}

void ScriptedWindow::start()
{
    window_ = std::make_unique<JDA>(Platform{messages_, clock_, printer_, shell_, host_});
    dispatcher_ = std::make_unique<Dispatcher>(*window_);
    window_->Form_Load();
}

// The close box and Schließen end the same way: Form_Unload, then the window
// is gone, unless Form_Unload cancels.
void ScriptedWindow::unload()
{
    if (!window_ || unloaded_)
        return;
    std::int16_t cancel = 0;
    window_->Form_Unload(cancel);
    if (cancel != 0)
        return;
    out_ << "closed\n";
    unloaded_ = true;
    dispatcher_->windowUnloaded();
}

} // namespace tarvolin
