#include "output/letter_run.h"

namespace tarvolin {

std::string leftOutHeading(std::size_t rows)
{
    return rows == 1 ? "1 Zeile nicht berechnet, ohne Brief:" : std::to_string(rows) + " Zeilen nicht berechnet, ohne Brief:";
}

} // namespace tarvolin
