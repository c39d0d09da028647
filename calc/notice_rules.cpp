#include "calc/notice_rules.h"

#include "calc/date_text.h"

#include <array>

namespace tarvolin {

namespace {

constexpr std::array<NoticeTier, 7> noticeTiers{{
    {0, 0, 1, "1 Monat zum Monatsschluss"},
    {1, 1, 0, "6 Wochen zum Quartalsschluss"},
    {5, 2, 3, "3 Monate zum Quartalsschluss"},
    {8, 3, 4, "4 Monate zum Quartalsschluss"},
    {10, 4, 5, "5 Monate zum Quartalsschluss"},
    {12, 5, 6, "6 Monate zum Quartalsschluss"},
    // and the 40th birthday: no ordinary notice; the dates are those of the 6 months
    {15, 6, 6, "nur aus wichtigem Grund kündbar"},
}};

struct DayInYear {
    int day;
    int month;
    int yearsBack; // 1 when the day lies in the year before the reference date's
};

struct Quarter {
    DayInYear end;
    std::array<DayInYear, 4> lastNoticeDay; // for 3, 4, 5 and 6 months
};

constexpr std::array<Quarter, 4> quarters{{
    {{31, 3, 0}, {{{31, 12, 1}, {30, 11, 1}, {31, 10, 1}, {30, 9, 1}}}},
    {{30, 6, 0}, {{{31, 3, 0}, {28, 2, 0}, {31, 1, 0}, {31, 12, 1}}}},
    {{30, 9, 0}, {{{30, 6, 0}, {31, 5, 0}, {30, 4, 0}, {31, 3, 0}}}},
    {{31, 12, 0}, {{{30, 9, 0}, {31, 8, 0}, {31, 7, 0}, {30, 6, 0}}}},
}};

const Quarter& quarterOf(int month) { return quarters[static_cast<std::size_t>((month - 1) / 3)]; }

std::string textOf(DayInYear d, int year) { return noticeDateText(d.day, d.month, year - d.yearsBack); }

} // namespace

const NoticeTier* noticeTierFor(int wholeYears)
{
    for (auto tier = noticeTiers.rbegin(); tier != noticeTiers.rend(); ++tier)
        if (wholeYears >= tier->minimumYears)
            return &*tier;
    return nullptr;
}

std::string_view noticeTierWords(int tier)
{
    for (const NoticeTier& t : noticeTiers)
        if (t.tier == tier)
            return t.words;
    return {};
}

bool fortiethBirthdayReached(std::string_view reference, std::string_view birthday)
{
    const int years = textYear(reference) - textYear(birthday);
    if (years != 40)
        return years > 40;
    const int months = textMonth(reference) - textMonth(birthday);
    if (months != 0)
        return months > 0;
    return textDay(reference) >= textDay(birthday);
}

std::string noticeDateText(int day, int month, int year) { return slashDateText(day, month, year); }

std::string quarterEndText(int month, int year) { return textOf(quarterOf(month).end, year); }

std::string lastNoticeDayText(int month, int year, int noticeMonths)
{
    return textOf(quarterOf(month).lastNoticeDay[static_cast<std::size_t>(noticeMonths - 3)], year);
}

} // namespace tarvolin
