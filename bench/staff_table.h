#pragma once
// Generated staff tables for the staff list's benchmark: every second row
// with fourteen earlier periods (each ticked or not, with a description), the
// others with none; birthdays 1955 to 1994, pay starts 20 to 35 years later.
// The same seed gives the same table.

#include <cstdint>
#include <string>

namespace tarvolin::bench {

class StaffTableGenerator {
public:
    explicit StaffTableGenerator(std::uint64_t seed = 20270101) : state_{seed} {}

    static std::string header()
    {
        std::string h = "Personalnummer;Name;Vorname;Geburtstag;Dienstbezüge ab;Stichtag;Ruhestandsalter";
        for (int k = 1; k <= 14; ++k) {
            const std::string p = ";Vorzeit " + std::to_string(k);
            h += p + " von" + p + " bis" + p + " öD" + p + " Bezeichnung";
        }
        return h + "\r\n";
    }

    // Row n (from 0).
    std::string row(int n)
    {
        const int birthYear = 1955 + static_cast<int>(next(40));
        const int birthMonth = 1 + static_cast<int>(next(12));
        const int birthDay = 1 + static_cast<int>(next(28));
        const int payYear = birthYear + 20 + static_cast<int>(next(16));
        const int payMonth = 1 + static_cast<int>(next(12));
        std::string r = std::to_string(100000 + n) + ";Name" + std::to_string(next(5000)) + ";Vorname"
                        + std::to_string(next(300)) + ";" + date(birthDay, birthMonth, birthYear) + ";"
                        + date(1, payMonth, payYear) + ";;" + (next(4) == 0 ? "66/" + std::to_string(next(12)) : "");
        if (n % 2 == 0) {
            // Fourteen periods of two months each, a month apart, from the 16th birthday on.
            int month = birthMonth % 12 + 1;
            int year = birthYear + 16 + (birthMonth == 12 ? 1 : 0);
            for (int k = 1; k <= 14; ++k) {
                auto advance = [&](int months) {
                    month += months;
                    year += (month - 1) / 12;
                    month = (month - 1) % 12 + 1;
                };
                const std::string from = date(1, month, year);
                advance(1);
                const std::string to = date(28, month, year);
                advance(2);
                r += ";" + from + ";" + to + ";" + (next(5) == 0 ? "nein" : "x") + ";Vorzeit Nummer "
                     + std::to_string(k) + " beim Arbeitgeber " + std::to_string(next(1000));
            }
        } else {
            r += std::string(14 * 4, ';');
        }
        return r + "\r\n";
    }

private:
    static std::string date(int d, int m, int y)
    {
        auto two = [](int v) { return std::string(v < 10 ? "0" : "") + std::to_string(v); };
        return two(d) + "." + two(m) + "." + std::to_string(y);
    }
    std::uint64_t next(std::uint64_t bound)
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return (state_ >> 33) % bound;
    }
    std::uint64_t state_;
};

} // namespace tarvolin::bench
