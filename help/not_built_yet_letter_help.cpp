#include "window/jda.h"
#include "window/not_built_yet.h"
namespace tarvolin {
void JDA::Drucken_Click() { notBuiltYet(__func__); }
void JDA::insinternet() { notBuiltYet(__func__); }
void JDA::Hilfe_Click() { notBuiltYet(__func__); }
void JDA::Hilfetexte_Click() { notBuiltYet(__func__); }
void JDA::SSCommand1_Click() { notBuiltYet(__func__); }
void JDA::SSCommand2_Click() { notBuiltYet(__func__); }
} // namespace tarvolin
