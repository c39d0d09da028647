#include "window/jda.h"
#include "window/not_built_yet.h"
namespace tarvolin {
void JDA::Form_Load() { notBuiltYet(__func__); }
void JDA::Form_Unload(std::int16_t&) { notBuiltYet(__func__); }
void JDA::Schließen_Click() { notBuiltYet(__func__); }
void JDA::dateispeichern() { notBuiltYet(__func__); }
} // namespace tarvolin
