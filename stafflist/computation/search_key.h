#pragma once
// What the staff list's search compares: names folded so that the ways a
// clerk may spell them meet. A row matches when its folded names contain the
// folded search.
//   lower case:                "MEIER" finds Meier
//   umlauts written out:       "schae" finds Schäfer (and not Schaller),
//                              "oeztuerk" and "Öztürk" find Öztürk
//   umlauts as plain vowels:   "ozturk" finds Öztürk
//   ß and ss:                  "weiss" finds Weiß, "Straßer" finds Strasser
//   letters with marks:        "sahin" finds Şahin, "capek" Čapek, "jose" José
// Characters outside the Latin letters stay as they are.

#include <string>
#include <string_view>

namespace tarvolin {

// The search text folded: lower case, ä ö ü written out as ae oe ue, ß as
// ss, other letters with marks as the plain letter ("Şahin" gives "sahin").
std::string searchKey(std::string_view search);

// A name folded for being searched: as searchKey folds it, and when that
// differs, a second line with the umlauts as plain vowels ("schaefer" and
// "schafer" for Schäfer).
std::string searchableKey(std::string_view name);

} // namespace tarvolin
