#include "window/jda.h"
#include "window/not_built_yet.h"
namespace tarvolin {
void JDA::Datum_KeyPress(std::int16_t, std::int16_t&) { notBuiltYet(__func__); }
void JDA::Eingabe_KeyPress(std::int16_t, std::int16_t&) { notBuiltYet(__func__); }
void JDA::box_Click(std::int16_t, std::int16_t) { notBuiltYet(__func__); }
void JDA::ab_Click(std::int16_t) { notBuiltYet(__func__); }
void JDA::auf_Click(std::int16_t) { notBuiltYet(__func__); }
void JDA::Altern_Click() { notBuiltYet(__func__); }
void JDA::jünger_Click() { notBuiltYet(__func__); }
void JDA::mehr_Click() { notBuiltYet(__func__); }
void JDA::weniger_Click() { notBuiltYet(__func__); }
void JDA::Opt_Click(std::int16_t, std::int16_t) { notBuiltYet(__func__); }
void JDA::Label4_Click() { notBuiltYet(__func__); }
void JDA::Label7_Click() { notBuiltYet(__func__); }
void JDA::umschalter() { notBuiltYet(__func__); }
} // namespace tarvolin
