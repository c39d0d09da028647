#include "script/scripted_window.h"

#include "calc/date_text.h"
#include "calc/fixed_text.h"
#include "script/dump.h"
#include "script/keys.h"

#include <array>

namespace tarvolin {

namespace {

// Byte offset of the character at a position (in characters) of a UTF-8 text.
std::size_t byteOffset(std::string_view text, std::size_t position)
{
    return firstCharacters(text, position).size();
}

std::string_view verbOf(ScriptCommand c)
{
    constexpr std::array<std::string_view, 9> verbs{"today", "answer", "start", "focus", "type",
                                                    "key",   "click",  "close", "dump"};
    return verbs[static_cast<std::size_t>(c)];
}

struct ButtonHandler {
    std::string_view name;
    void (JDA::*handler)();
};

constexpr std::array<ButtonHandler, 12> buttonHandlers{{
    {"Drucken", &JDA::Drucken_Click},
    {"Schließen", &JDA::Schließen_Click},
    {"Hilfe", &JDA::Hilfe_Click},
    {"Hilfetexte", &JDA::Hilfetexte_Click},
    {"SSCommand1", &JDA::SSCommand1_Click},
    {"SSCommand2", &JDA::SSCommand2_Click},
    {"Altern", &JDA::Altern_Click},
    {"jünger", &JDA::jünger_Click},
    {"mehr", &JDA::mehr_Click},
    {"weniger", &JDA::weniger_Click},
    {"Label4", &JDA::Label4_Click},
    {"Label7", &JDA::Label7_Click},
}};

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
    case ScriptCommand::Focus: focus(*control); break;
    case ScriptCommand::Type: type(*control, line.text, line.pressEnter); break;
    case ScriptCommand::Key: key(*control, line.key, line.text); break;
    case ScriptCommand::Click: click(*control); break;
    case ScriptCommand::Close: host_.unload(); break;
    case ScriptCommand::Dump: out_ << dumpWindow(*window_); break;
    }
    if (unloaded_) {
        window_.reset();
        unloaded_ = false;
        cursor_ = {};
    }
    return {};
}

void ScriptedWindow::start()
{
    window_ = std::make_unique<JDA>(Platform{messages_, clock_, printer_, shell_, host_});
    window_->Form_Load();
    followFocus();
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
}

void ScriptedWindow::followFocus()
{
    Control* f = window_ && !unloaded_ ? window_->focused() : nullptr;
    if (f == nullptr || f->design->kind != ControlKind::TextBox) {
        cursor_ = {};
        return;
    }
    const int slot = window_->slotOf(*f);
    if (slot != cursor_.slot || f->text != cursor_.knownText)
        cursor_ = {slot, characterCount(trimmedRight(f->text)), f->text};
}

void ScriptedWindow::focus(Control& c)
{
    window_->setFocus(c);
    followFocus();
}

void ScriptedWindow::type(Control& c, std::string_view text, bool pressEnter)
{
    focus(c);
    if (c.design->kind == ControlKind::DateField) {
        // Each key raises the handler; the field itself takes the characters
        // into its mask, so that afterwards it shows the text typed.
        for (char ch : text) {
            dateKey(c, static_cast<std::int16_t>(static_cast<unsigned char>(ch)));
            if (unloaded_)
                return;
        }
        c.text = std::string{text};
        if (pressEnter)
            key(c, ScriptKey::Enter, {});
        return;
    }
    const auto characters = splitCharacters(text); // the parser let only UTF-8 through
    for (std::string_view character : characters.value()) {
        descriptionKey(c, ScriptKey::Character, character);
        if (unloaded_)
            return;
    }
}

void ScriptedWindow::key(Control& c, ScriptKey key, std::string_view character)
{
    focus(c);
    if (c.design->kind == ControlKind::DateField) {
        const std::int16_t code =
            key == ScriptKey::Enter ? enterCode : key == ScriptKey::Backspace ? backspaceCode : keyCodeOf(character);
        dateKey(c, code);
    } else {
        descriptionKey(c, key, character);
    }
}

void ScriptedWindow::dateKey(Control& field, std::int16_t code)
{
    window_->Datum_KeyPress(field.design->index, code);
    followFocus();
}

// A key in a description box: the handler sees it first and may discard it
// (code 0); otherwise a character goes in at the cursor and Backspace takes
// the character before the cursor away. Enter puts nothing into the
// single-line box.
void ScriptedWindow::descriptionKey(Control& box, ScriptKey key, std::string_view character)
{
    std::int16_t code =
        key == ScriptKey::Enter ? enterCode : key == ScriptKey::Backspace ? backspaceCode : keyCodeOf(character);
    window_->Eingabe_KeyPress(box.design->index, code);
    followFocus();
    if (code == 0 || key == ScriptKey::Enter || unloaded_)
        return;

    const int slot = window_->slotOf(box);
    // A box that lost the focus to the handler keeps no cursor of ours; the
    // key lands where a newly focused box would put it.
    std::size_t position = cursor_.slot == slot ? cursor_.position : characterCount(trimmedRight(box.text));
    if (key == ScriptKey::Backspace) {
        if (position == 0)
            return;
        const std::size_t from = byteOffset(box.text, position - 1);
        box.text.erase(from, byteOffset(box.text, position) - from);
        --position;
    } else {
        box.text.insert(byteOffset(box.text, position), character);
        ++position;
    }
    if (cursor_.slot == slot)
        cursor_ = {slot, position, box.text};
}

void ScriptedWindow::click(Control& c)
{
    JDA& w = *window_;
    const ControlDesign& s = *c.design;
    if (s.name == "box") {
        c.value = !c.value;
        w.box_Click(s.index, c.value ? True : False);
    } else if (s.name == "Opt") {
        w.selectOpt(s.index);
    } else if (s.name == "ab") {
        w.ab_Click(s.index);
    } else if (s.name == "auf") {
        w.auf_Click(s.index);
    } else {
        for (const ButtonHandler& b : buttonHandlers)
            if (b.name == s.name)
                (w.*b.handler)();
    }
    followFocus();
}

} // namespace tarvolin
