#include "stafflist/computation/computed_list.h"

#include "stafflist/computation/search_key.h"
#include "stafflist/computation/year_reports.h"

#include <algorithm>
#include <cstdint>

namespace tarvolin {

namespace {

// A length as 7-bit groups, lowest first, the high bit set on all but the last.
void appendLength(std::string& out, std::size_t n)
{
    for (; n >= 0x80; n >>= 7)
        out.push_back(static_cast<char>(0x80 | (n & 0x7F)));
    out.push_back(static_cast<char>(n));
}

// Reads what appendLength and the appenders below wrote, in the same order.
class Unpacker {
public:
    explicit Unpacker(std::string_view bytes) : rest_{bytes} {}
    std::size_t length()
    {
        std::size_t n = 0;
        for (int shift = 0; !rest_.empty(); shift += 7) {
            const auto b = static_cast<unsigned char>(rest_.front());
            rest_.remove_prefix(1);
            n |= static_cast<std::size_t>(b & 0x7F) << shift;
            if ((b & 0x80) == 0)
                break;
        }
        return n;
    }
    std::string_view text()
    {
        const std::size_t n = std::min(length(), rest_.size());
        const std::string_view t = rest_.substr(0, n);
        rest_.remove_prefix(n);
        return t;
    }
    Date date() { return Date::fromSerial(static_cast<std::int32_t>(length())); }
    std::optional<Date> optionalDate() { return length() == 0 ? std::nullopt : std::optional{date()}; }

private:
    std::string_view rest_;
};

void appendText(std::string& out, std::string_view text)
{
    appendLength(out, text.size());
    out.append(text);
}

// A serial number before 1900 is negative; it goes as its 32-bit pattern and
// comes back through the same cast.
void appendDate(std::string& out, Date d) { appendLength(out, static_cast<std::uint32_t>(d.serial())); }
void appendOptionalDate(std::string& out, std::optional<Date> d)
{
    appendLength(out, d ? 1 : 0);
    if (d)
        appendDate(out, *d);
}

std::string packCase(const TypedCase& c)
{
    std::string out;
    appendDate(out, c.birthday);
    appendDate(out, c.payStart);
    appendOptionalDate(out, c.referenceDate);
    appendLength(out, c.retirementAge ? 1 : 0);
    if (c.retirementAge) {
        appendLength(out, static_cast<std::size_t>(c.retirementAge->years));
        appendLength(out, static_cast<std::size_t>(c.retirementAge->months));
    }
    for (const auto& p : c.periods) {
        appendLength(out, p ? 1 : 0);
        if (!p)
            continue;
        appendOptionalDate(out, p->from);
        appendOptionalDate(out, p->to);
        appendText(out, p->description);
        appendLength(out, p->counted ? 1 : 0);
    }
    return out;
}

TypedCase unpackCase(std::string_view bytes)
{
    Unpacker in{bytes};
    TypedCase c;
    c.birthday = in.date();
    c.payStart = in.date();
    c.referenceDate = in.optionalDate();
    if (in.length() != 0) {
        const int years = static_cast<int>(in.length());
        c.retirementAge = TypedCase::Age{years, static_cast<int>(in.length())};
    }
    for (auto& p : c.periods) {
        if (in.length() == 0)
            continue;
        TypedPeriod period;
        period.from = in.optionalDate();
        period.to = in.optionalDate();
        period.description = std::string{in.text()};
        period.counted = in.length() != 0;
        p = std::move(period);
    }
    return c;
}

// The notes of a row are joined by " | ".
std::size_t noteCount(std::string_view notes)
{
    if (notes.empty())
        return 0;
    std::size_t count = 1;
    for (std::size_t at = 0; (at = notes.find(" | ", at)) != std::string_view::npos; at += 3)
        ++count;
    return count;
}

} // namespace

void ComputedList::add(const ComputedRow& r)
{
    std::string packed;
    for (const std::string& f : r.line.cells)
        appendText(packed, f);
    for (const std::string& f : r.line.carried)
        appendText(packed, f);
    lines_.push_back(packed);
    cases_.push_back(r.row.typedCase ? packCase(*r.row.typedCase) : std::string{});
    const std::string& number = r.line[colPersonnelNumber];
    const std::string& name = r.line[colName];
    const std::string& firstName = r.line[colFirstName];
    std::string key = number + "\n" + name + ", " + firstName + "\n" + firstName + " " + name;
    for (const std::string& f : r.line.carried)
        key += "\n" + f;
    searchKeys_.push_back(searchableKey(key));
    std::string address;
    for (const std::string* part : {&r.row.address.salutation, &r.row.address.street, &r.row.address.houseNumber,
                                    &r.row.address.postalCode, &r.row.address.town})
        appendText(address, *part);
    addresses_.push_back(address);
    computed_.push_back(r.computed);
    onlyDateNotes_.push_back(r.dateNotes > 0 && noteCount(r.line[colNotes]) == r.dateNotes);
    fileLines_.push_back(r.row.line);
    if (!r.line[colNotes].empty())
        ++rowsWithNotes_;
}

std::string_view ComputedList::field(std::size_t row, std::size_t column) const
{
    Unpacker in{lines_[row]};
    for (std::size_t c = 0; c < column; ++c)
        in.text();
    return in.text();
}

std::string_view ComputedList::carried(std::size_t row, std::size_t index) const
{
    return field(row, resultColumnCount + index);
}

void ComputedList::line(std::size_t row, ResultLine& into) const
{
    Unpacker in{lines_[row]};
    for (std::string& f : into.cells)
        f = in.text();
    into.carried.resize(layout.carriedHeaders().size());
    for (std::string& f : into.carried)
        f = in.text();
}

Addressee ComputedList::addressee(std::size_t row) const
{
    Unpacker in{addresses_[row]};
    StaffAddress a;
    for (std::string* part : {&a.salutation, &a.street, &a.houseNumber, &a.postalCode, &a.town})
        *part = in.text();
    return addresseeOf(std::string{field(row, colFirstName)}, std::string{field(row, colName)}, a);
}

std::optional<TypedCase> ComputedList::typedCase(std::size_t row) const
{
    const std::string_view packed = cases_[row];
    if (packed.empty())
        return std::nullopt;
    return unpackCase(packed);
}

} // namespace tarvolin
