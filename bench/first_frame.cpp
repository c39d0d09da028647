// The program's window as the start-up benchmark measures it: the real
// start-up of `tarvolin` (qt/run_window.cpp), quitting as soon as the window
// has been drawn once. bench/startup_ratio.sh compares it with
// bench/empty_window, which ends the same way.

#include "bench/quit_after_first_frame.h"
#include "qt/desktop/run_window.h"

#include <QWidget>

int main(int argc, char** argv)
{
    return tarvolin::runWindow(argc, argv,
                               [](QWidget& window) { window.installEventFilter(new QuitAfterFirstFrame{&window}); });
}
