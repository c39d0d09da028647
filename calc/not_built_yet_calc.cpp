#include "window/jda.h"
#include "window/not_built_yet.h"
namespace tarvolin {
void JDA::datumdiffneu() { notBuiltYet(__func__); }
void JDA::plausibilität() { notBuiltYet(__func__); }
void JDA::quartal() { notBuiltYet(__func__); }
void JDA::jdasubtraktion() { notBuiltYet(__func__); }
void JDA::inrente() { notBuiltYet(__func__); }
void JDA::inrentei() { notBuiltYet(__func__); }
void JDA::allesleeren() { notBuiltYet(__func__); }
void JDA::verarbeiten() { notBuiltYet(__func__); }
} // namespace tarvolin
