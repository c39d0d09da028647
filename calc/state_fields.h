#pragma once
// Every field of the calculation state with its name, in the order of its
// declaration: the one list that the scripted mode's dump prints and that its
// test reads. A field added to CalculationState without its entry here does
// not compile (the count below).

#include "calc/state.h"

#include <cstddef>
#include <string_view>
#include <tuple>

namespace tarvolin {

template <class T>
struct StateField {
    std::string_view name;
    T CalculationState::*member;
    bool flag = false; // a -1/0 Boolean, shown as True or False
};

template <class T>
constexpr StateField<T> stateField(std::string_view name, T CalculationState::*member, bool flag = false)
{
    return {name, member, flag};
}

#define TARVOLIN_STATE_FIELD(field) stateField(#field, &CalculationState::field)

inline constexpr std::tuple stateFields{
    TARVOLIN_STATE_FIELD(currentIndex),
    TARVOLIN_STATE_FIELD(currentRow),
    TARVOLIN_STATE_FIELD(lastIndex),
    TARVOLIN_STATE_FIELD(workIndex),
    stateField("loadingFlag", &CalculationState::loadingFlag, true),
    TARVOLIN_STATE_FIELD(confirmAnswer),
    TARVOLIN_STATE_FIELD(viewMode),
    TARVOLIN_STATE_FIELD(dayCounts),
    TARVOLIN_STATE_FIELD(retireAgeYears),
    TARVOLIN_STATE_FIELD(retireAgeMonths),
    TARVOLIN_STATE_FIELD(statutoryAgeYears),
    TARVOLIN_STATE_FIELD(statutoryAgeMonths),
    TARVOLIN_STATE_FIELD(fromDateText),
    TARVOLIN_STATE_FIELD(toDateText),
    TARVOLIN_STATE_FIELD(fromDay),
    TARVOLIN_STATE_FIELD(toDay),
    TARVOLIN_STATE_FIELD(fromMonth),
    TARVOLIN_STATE_FIELD(toMonth),
    TARVOLIN_STATE_FIELD(fromYear),
    TARVOLIN_STATE_FIELD(februaryFill),
    TARVOLIN_STATE_FIELD(diffYears),
    TARVOLIN_STATE_FIELD(diffMonths),
    TARVOLIN_STATE_FIELD(diffDays),
    TARVOLIN_STATE_FIELD(sumYears),
    TARVOLIN_STATE_FIELD(sumMonths),
    TARVOLIN_STATE_FIELD(sumDays),
    TARVOLIN_STATE_FIELD(noticeMonths),
    TARVOLIN_STATE_FIELD(periodRow),
    TARVOLIN_STATE_FIELD(workDateText),
    TARVOLIN_STATE_FIELD(swapFromText),
    TARVOLIN_STATE_FIELD(swapToText),
    TARVOLIN_STATE_FIELD(swapDescription),
    TARVOLIN_STATE_FIELD(swapCharsLeft),
    TARVOLIN_STATE_FIELD(swapInService),
    TARVOLIN_STATE_FIELD(swapDays),
    TARVOLIN_STATE_FIELD(swapMonths),
    TARVOLIN_STATE_FIELD(swapYears),
    TARVOLIN_STATE_FIELD(swapFromCount),
    TARVOLIN_STATE_FIELD(swapToCount),
    TARVOLIN_STATE_FIELD(linkCode),
    TARVOLIN_STATE_FIELD(linkPage),
    TARVOLIN_STATE_FIELD(linkPrefix),
};

#undef TARVOLIN_STATE_FIELD

// Calls visit(field) for each entry of the list, in order.
template <class Visit>
constexpr void forEachStateField(Visit&& visit)
{
    std::apply([&](const auto&... field) { (visit(field), ...); }, stateFields);
}

namespace detail {

// Converts to any field type, so that braces with n of them initialise an
// aggregate of at least n fields.
struct AnyField {
    template <class T>
    operator T() const;
};

template <class T, class... Fields>
constexpr std::size_t aggregateFieldCount()
{
    if constexpr (requires { T{Fields{}..., AnyField{}}; })
        return aggregateFieldCount<T, Fields..., AnyField>();
    else
        return sizeof...(Fields);
}

} // namespace detail

static_assert(std::tuple_size_v<decltype(stateFields)> == detail::aggregateFieldCount<CalculationState>(),
              "every field of CalculationState needs its entry in stateFields");

} // namespace tarvolin
