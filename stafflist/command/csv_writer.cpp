#include "stafflist/command/csv_writer.h"

namespace tarvolin {

bool couldRunAsFormula(std::string_view text)
{
    if (text.empty() || std::string_view{"=+-@\t\r"}.find(text.front()) == std::string_view::npos)
        return false;
    // A plain number: a sign, digits, at most one decimal comma or point.
    std::string_view digits = text;
    if (digits.front() == '-' || digits.front() == '+')
        digits.remove_prefix(1);
    bool point = false;
    bool digit = false;
    for (char c : digits) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if ((c == ',' || c == '.') && !point) {
            point = true;
        } else {
            return true;
        }
    }
    return !digit;
}

} // namespace tarvolin
