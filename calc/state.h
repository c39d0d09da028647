#pragma once
// The calculation state of one case: every working field the procedures pass
// between each other. The window object JDA owns exactly one copy of it.
// Numbers are 16-bit like the window's arithmetic; Booleans hold -1 (true) or 0.
// Day counts are 32-bit cells: from a birthday in 1930 to a date in 2040 they
// reach about 40,000 days, more than 16 bits hold.

#include "calc/fixed_text.h"

#include <array>
#include <cstdint>
#include <string>

namespace tarvolin {

inline constexpr std::int16_t True = -1;
inline constexpr std::int16_t False = 0;

struct CalculationState {
    // Shared indexes and flags.
    std::int16_t currentIndex = 0;  // date index whose Enter started the run
    std::int16_t currentRow = 0;    // its row: 0 for indexes 0 and 1, else index / 2
    std::int16_t lastIndex = 0;     // the index datumdiffneu counts and plausibilität checks
    std::int16_t workIndex = 0;     // shared loop counter
    std::int16_t loadingFlag = False;  // the program itself is filling or moving entries
    std::int16_t confirmAnswer = 0; // answer to the delete-all question: 6 yes, 7 no
    std::int16_t viewMode = 0;      // 0 anniversaries, 1 employment period and notice

    // Days from the birthday to each date entry 0..31; 0 means no count.
    std::array<std::int32_t, 32> dayCounts{};

    // Retirement age in use and the statutory one of the birth year.
    std::int16_t retireAgeYears = 0;
    std::int16_t retireAgeMonths = 0;
    std::int16_t statutoryAgeYears = 0;
    std::int16_t statutoryAgeMonths = 0;

    // Inputs, scratch and result of datumsdifferenz.
    FixedText<10> fromDateText;
    FixedText<10> toDateText;
    std::int16_t fromDay = 0;
    std::int16_t toDay = 0;
    std::int16_t fromMonth = 0;
    std::int16_t toMonth = 0;
    std::int16_t fromYear = 0;
    std::int16_t februaryFill = 0;
    std::int16_t diffYears = 0;
    std::int16_t diffMonths = 0;
    std::int16_t diffDays = 0;

    // Totals and notice.
    std::int16_t sumYears = 0;
    std::int16_t sumMonths = 0;
    std::int16_t sumDays = 0;
    std::int16_t noticeMonths = 0;
    std::int16_t periodRow = 0;

    // The date jdasubtraktion works on.
    FixedText<10> workDateText;

    // Row-move buffer: the neighbour row waits here while it is overwritten.
    FixedText<10> swapFromText;
    FixedText<10> swapToText;
    FixedText<descriptionLength> swapDescription;
    std::int16_t swapCharsLeft = 0;
    std::int16_t swapInService = 0;
    std::int16_t swapDays = 0;
    std::int16_t swapMonths = 0;
    std::int16_t swapYears = 0;
    std::int32_t swapFromCount = 0;
    std::int32_t swapToCount = 0;

    // Help links.
    std::string linkCode;
    std::string linkPage;
    std::string linkPrefix;
};

} // namespace tarvolin
