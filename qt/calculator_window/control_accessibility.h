#pragma once
// What a screen reader learns about the window's controls beyond what Qt
// tells of each widget by itself. The words come from the model
// (window/spoken_control.h, built on the control table's accessible names);
// this file only hands them to Qt's accessibility interfaces:
//   - every named control carries its spoken name ("Jahre Zeitraum 1: 3");
//   - a date field reads as a date ("leer", "10.03.1955"), not as its mask
//     ("//", "10/03/1955");
//   - the notice tier that applies is a checked tier;
//   - the two options are radio buttons with their checked state (Qt calls
//     a button that does not exclude its neighbours itself a check box).
// A change of a result is news: the window announces it (announcer.h).

#include "window/spoken_control.h"

#include <QStringList>

#include <vector>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace tarvolin {

// Lets Qt ask this file for the interfaces of the controls; before the
// first control widget is made, as Qt keeps the first interface it made.
void installControlAccessibility();

// Brings what each widget tells a screen reader in line with the model
// and returns the visible results whose words changed, as they are read
// ("Jubiläumsdienstalter Beginn: 01.04.1987"), in the table's order.
QStringList speakControls(const ControlModel& model, const std::vector<QWidget*>& widgets);

// A date field's words as speakControls left them ("leer", "10.03.1955").
QString spokenValue(const QWidget& field);

} // namespace tarvolin
