#include "script/script_platform.h"

namespace tarvolin {

std::int16_t ScriptMessageBox::show(std::string_view text, std::string_view title, MessageButtons buttons,
                                    MessageKind)
{
    std::int16_t answer = answerOk;
    if (buttons == MessageButtons::YesNo) {
        answer = answerYes;
        if (!answers_.empty()) {
            answer = answers_.front();
            answers_.pop_front();
        }
    }
    const char* answerText = answer == answerOk ? "OK" : answer == answerYes ? "Yes" : "No";
    out_ << "msgbox\t" << (buttons == MessageButtons::YesNo ? "YesNo" : "OK") << '\t' << title << '\t' << text
         << '\t' << answerText << '\n';
    return answer;
}

void ScriptPrinter::setCopies(int copies) { out_ << "print\tsetting\t" << copies << '\n'; }
void ScriptPrinter::setFontName(std::string_view name) { out_ << "print\tfont\t" << name << '\n'; }
void ScriptPrinter::setFontSize(int points) { out_ << "print\tsize\t" << points << '\n'; }
void ScriptPrinter::setBold(bool bold) { out_ << "print\tbold\t" << (bold ? "True" : "False") << '\n'; }
void ScriptPrinter::setX(int twips) { out_ << "print\tx\t" << twips << '\n'; }
void ScriptPrinter::print(std::string_view text) { out_ << "print\ttext\t" << text << '\n'; }
void ScriptPrinter::printLine(std::string_view text) { out_ << "print\tline\t" << text << '\n'; }
void ScriptPrinter::newLine() { out_ << "print\tnewline\n"; }

std::string ScriptPrinter::endDoc()
{
    out_ << "print\tenddoc\n";
    return {};
}

bool ScriptShell::open(std::string_view address)
{
    out_ << "open\t" << address << '\n';
    return true;
}

void ScriptHost::entriesSaved(std::string_view path) { out_ << "saved\t" << path << '\n'; }

} // namespace tarvolin
