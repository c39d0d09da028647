// The two questions the window answers, chosen with the option buttons: when
// the anniversary payments fall due (view 0), or the employment period and
// the notice period up to the reference date (view 1). The calculation is the
// same in both; the view decides what the lower part shows and the caption.

#include "window/jda.h"

#include <string>

namespace tarvolin {

void JDA::Opt_Click(std::int16_t index, std::int16_t)
{
    viewMode = index;
    umschalter();
}

void JDA::Label4_Click() { selectOpt(0); }

void JDA::Label7_Click() { selectOpt(1); }

void JDA::umschalter()
{
    if (viewMode != 0 && viewMode != 1)
        return;
    const bool employmentView = viewMode == 1;
    for (Control* c : {&Aufkleber(), &Label10(), &Label11(), &Label12(), &Termin(), &Ziel()})
        c->visible = employmentView;
    formCaption = employmentView ? "Meine Beschäftigungszeit nach § 34 TVöD/TV-L"
                                 : "Wann erhalte ich eine Jubiläumszuwendung?";
}

} // namespace tarvolin
