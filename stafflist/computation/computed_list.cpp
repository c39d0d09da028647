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
    std::int64_t number()
    {
        const std::size_t n = length();
        return (n & 1) != 0 ? -static_cast<std::int64_t>(n >> 1) - 1 : static_cast<std::int64_t>(n >> 1);
    }
    unsigned char byte()
    {
        if (rest_.empty())
            return 0;
        const auto b = static_cast<unsigned char>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    // A cell as appendCell wrote it.
    ResultCell cell()
    {
        switch (byte()) {
        case 1: return std::string{text()};
        case 2: return date();
        case 3: return Count{static_cast<int>(number())};
        case 4: return byte() != 0 ? Reached::Yes : Reached::No;
        case 5: return static_cast<NoticeTierMark>(byte());
        case 6: {
            const int years = static_cast<int>(number());
            return AgeInUse{years, static_cast<int>(number())};
        }
        case 7: {
            RowNotes notes(length());
            for (RowNote& n : notes) {
                n.line = number();
                n.text = text();
            }
            return notes;
        }
        default: return {};
        }
    }
    // The text of a text cell, else nothing; the cell is passed either way.
    std::string_view textCell()
    {
        if (!rest_.empty() && rest_.front() == 1) {
            byte();
            return text();
        }
        cell();
        return {};
    }

private:
    std::string_view rest_;
};

void appendText(std::string& out, std::string_view text)
{
    appendLength(out, text.size());
    out.append(text);
}

// A signed number as a length: 0, -1, 1, -2, 2 ... as 0, 1, 2, 3, 4 ...
void appendNumber(std::string& out, std::int64_t n)
{
    appendLength(out, n < 0 ? (static_cast<std::size_t>(-(n + 1)) << 1) | 1 : static_cast<std::size_t>(n) << 1);
}

// A cell as the index of what it holds, then its value.
void appendCell(std::string& out, const ResultCell& cell)
{
    out.push_back(static_cast<char>(cell.index()));
    struct Append {
        std::string& out;
        void operator()(std::monostate) const {}
        void operator()(const std::string& text) const { appendText(out, text); }
        void operator()(Date day) const { appendLength(out, static_cast<std::uint32_t>(day.serial())); }
        void operator()(Count count) const { appendNumber(out, count.value); }
        void operator()(Reached reached) const { out.push_back(reached == Reached::Yes ? 1 : 0); }
        void operator()(NoticeTierMark tier) const { out.push_back(static_cast<char>(tier)); }
        void operator()(AgeInUse age) const
        {
            appendNumber(out, age.years);
            appendNumber(out, age.months);
        }
        void operator()(const RowNotes& notes) const
        {
            appendLength(out, notes.size());
            for (const RowNote& n : notes) {
                appendNumber(out, n.line);
                appendText(out, n.text);
            }
        }
    };
    std::visit(Append{out}, cell);
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

} // namespace

void ComputedList::add(const ComputedRow& r)
{
    std::string packed;
    for (const ResultCell& c : r.line.cells)
        appendCell(packed, c);
    for (const std::string& f : r.line.carried)
        appendText(packed, f);
    lines_.push_back(packed);
    cases_.push_back(r.row.typedCase ? packCase(*r.row.typedCase) : std::string{});
    const std::string& number = r.line.text(colPersonnelNumber);
    const std::string& name = r.line.text(colName);
    const std::string& firstName = r.line.text(colFirstName);
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
    const std::size_t notes = r.line.notes().size();
    hasNotes_.push_back(notes > 0);
    onlyDateNotes_.push_back(r.dateNotes > 0 && notes == r.dateNotes);
    fileLines_.push_back(r.row.line);
    if (notes > 0)
        ++rowsWithNotes_;
}

ResultCell ComputedList::cell(std::size_t row, std::size_t column) const
{
    Unpacker in{lines_[row]};
    for (std::size_t c = 0; c < column; ++c)
        in.cell();
    return in.cell();
}

std::string_view ComputedList::text(std::size_t row, std::size_t column) const
{
    Unpacker in{lines_[row]};
    for (std::size_t c = 0; c < column; ++c)
        in.cell();
    return in.textCell();
}

std::string_view ComputedList::carried(std::size_t row, std::size_t index) const
{
    Unpacker in{lines_[row]};
    for (std::size_t c = 0; c < resultColumnCount; ++c)
        in.cell();
    for (std::size_t i = 0; i < index; ++i)
        in.text();
    return in.text();
}

void ComputedList::line(std::size_t row, ResultLine& into) const
{
    Unpacker in{lines_[row]};
    for (ResultCell& c : into.cells)
        c = in.cell();
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
    return addresseeOf(std::string{text(row, colFirstName)}, std::string{text(row, colName)}, a);
}

std::optional<TypedCase> ComputedList::typedCase(std::size_t row) const
{
    const std::string_view packed = cases_[row];
    if (packed.empty())
        return std::nullopt;
    return unpackCase(packed);
}

} // namespace tarvolin
