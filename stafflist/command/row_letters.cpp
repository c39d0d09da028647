#include "stafflist/command/row_letters.h"

#include "window/dispatcher.h"

namespace tarvolin {

RowLetterPrinter::RowLetterPrinter(Date today, bool jdaLetter, Letterhead letterhead)
    : jdaLetter_{jdaLetter}, clock_{today},
      blank_{Platform{messages_, clock_, printer_, shell_, host_, details_}},
      window_{Platform{messages_, clock_, printer_, shell_, host_, details_}}
{
    details_.head = std::move(letterhead);
    startBlank(blank_);
}

RowLetterPrinter::Printed RowLetterPrinter::print(const TypedCase& typedCase, const Addressee& to, Printer& printer)
{
    copyWindowState(window_, blank_);
    messages_.texts.clear();
    if (!typeCase(window_, typedCase).computed)
        return {};
    details_.to = to;
    printer_.to = &printer;
    const int before = printer_.documents;
    Dispatcher d{window_};
    // The view the letter belongs to, chosen as a clerk chooses it.
    d.click(window_.Opt(jdaLetter_ ? 0 : 1));
    messages_.texts.clear();
    d.click(window_.Drucken());
    Printed printed;
    printed.printed = printer_.documents > before;
    // The window shows a failed job as a message; here the printer's own
    // answer is passed on.
    if (printed.printed && !messages_.texts.empty())
        printed.failure = messages_.texts.back();
    printer_.to = nullptr;
    return printed;
}

bool RowLetterRun::printRow(RowLetterPrinter& rows, const TypedCase& typedCase, const Addressee& to, Printer& printer,
                            const std::string& leftOutText, std::int64_t fileLine)
{
    const RowLetterPrinter::Printed printed = rows.print(typedCase, to, printer);
    if (!printed.printed) {
        leftOut_.push_back(leftOutText);
        return true;
    }
    if (!printed.failure.empty()) {
        failure_ = printed.failure;
        return false;
    }
    ++letters_;
    if (addressIsFitted(to))
        fittedAddresses_.push_back("Zeile " + std::to_string(fileLine)
                                   + ": die Anschrift ist länger als das Anschriftfeld eines Fensterumschlags; sie "
                                     "wurde umbrochen und, wo nötig, schmaler oder gekürzt gedruckt");
    return true;
}

} // namespace tarvolin
