#pragma once
// The rules of the notice period under § 34 TVöD / TV-L as plain values:
// which tier the whole years of the total employment period select, and the
// quarter ends with the last day on which notice still reaches them. The
// window's procedures (quartal, the notice step of verarbeiten) put them
// into the date fields and mark the tier.

#include <string>
#include <string_view>

namespace tarvolin {

struct NoticeTier {
    int minimumYears; // whole years from which the tier applies
    int tier;         // the caption Kündigung(tier) that is marked
    // Months of notice to a quarter end; tier 0 gives one month to a month
    // end and tier 1 six weeks to a quarter end (0 here), each by a rule of
    // its own.
    int months;
    // The tier in a few words, as the staff list names it.
    std::string_view words;
};

// The tier of whole years: 0 gives tier 0, 18 gives tier 6. Negative years
// (a total that runs backwards) select none: nullptr.
const NoticeTier* noticeTierFor(int wholeYears);

// The words of tier 0 to 6; empty for any other number.
std::string_view noticeTierWords(int tier);

// Tier 6 needs the 40th birthday as well, counted from the texts: born
// 15/05/1968, on the reference date 15/05/2008 it has been reached.
bool fortiethBirthdayReached(std::string_view referenceDateText, std::string_view birthdayText);

// "dd/mm/y", the form of the notice dates: 31/12/2007.
std::string noticeDateText(int day, int month, int year);

// The end of the calendar quarter of a month 1 to 12: 15/05/2008 lies in the
// quarter that ends on 30/06/2008.
std::string quarterEndText(int month, int year);

// The last day on which notice of 3 to 6 months still reaches that quarter
// end. A fixed table, no calendar arithmetic: four months before 30 June is
// always 28 February, leap year or not. May 2008 with 3 months: 31/03/2008.
std::string lastNoticeDayText(int month, int year, int noticeMonths);

} // namespace tarvolin
