// tarvolin            opens the window
// tarvolin --script F runs the window headless from the script F ("-": standard input)

#include "script/script_runner.h"
#ifdef TARVOLIN_WITH_QT
#include "qt/run_window.h"
#endif

#include <iostream>
#include <string_view>

int main(int argc, char** argv)
{
    if (argc >= 2 && std::string_view{argv[1]} == "--script") {
        if (argc != 3) {
            std::cerr << "Aufruf: tarvolin --script DATEI   (DATEI \"-\" liest die Standardeingabe)\n";
            return 2;
        }
        return tarvolin::runScriptFile(argv[2]);
    }
#ifdef TARVOLIN_WITH_QT
    return tarvolin::runWindow(argc, argv);
#else
    std::cerr << "Tarvolin wurde ohne Fenster gebaut; verfügbar ist nur: tarvolin --script DATEI\n";
    return 1;
#endif
}
