// tarvolin            opens the window
// tarvolin --script F runs the window headless from the script F ("-": standard input)
// tarvolin --list F   computes every row of the staff table F as the window would
// tarvolin --list-window [F]  the staff list in a window of its own
// tarvolin --help     explains every mode

#include "script/script_runner.h"
#include "stafflist/command/list_command.h"
#include "stafflist/command/list_options.h"
#ifdef TARVOLIN_WITH_QT
#include "qt/staff_list_window/run_list_window.h"
#include "qt/desktop/run_window.h"
#include "qt/letter/letters_pdf.h"
#include "qt/paper/staff_list_pdf.h"
#include "qt/paper/year_report_pdf.h"
#endif

#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

int main(int argc, char** argv)
{
    const std::string_view mode = argc >= 2 ? std::string_view{argv[1]} : std::string_view{};
    if (mode == "--script") {
        if (argc != 3) {
            std::cerr << "Aufruf: tarvolin --script DATEI   (DATEI \"-\" liest die Standardeingabe)\n";
            return 2;
        }
        return tarvolin::runScriptFile(argv[2]);
    }
    if (mode == "--help" || mode == "-h") {
        std::cout << tarvolin::programHelp();
        return 0;
    }
    if (mode == "--list") {
        std::ios::sync_with_stdio(false);
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        tarvolin::ListWriters writers;
#ifdef TARVOLIN_WITH_QT
        writers.table = [](const tarvolin::PrintableTable& table, const std::string& path) {
            return tarvolin::writeStaffListPdf(table, path);
        };
        writers.report = tarvolin::writeYearReportPdf;
        writers.letters = tarvolin::writeOfficeLettersPdf;
#endif
        try {
            return tarvolin::runStaffListCommand(arguments, {std::cin, std::cout, std::cerr, ::isatty(2) == 1},
                                                 writers);
        } catch (const std::bad_alloc&) {
            // Out of memory, or a fault of the program: said in German, never a crash.
            std::cerr << "tarvolin --list: abgebrochen: der Arbeitsspeicher reicht nicht.\n";
            return 2;
        } catch (const std::exception&) {
            std::cerr << "tarvolin --list: abgebrochen: ein interner Fehler des Programms.\n";
            return 2;
        }
    }
    if (mode == "--list-window") {
        if (argc > 3) {
            std::cerr << "Aufruf: tarvolin --list-window [DATEI]\n";
            return 2;
        }
#ifdef TARVOLIN_WITH_QT
        return tarvolin::runListWindow(argc, argv, argc == 3 ? argv[2] : "");
#else
        std::cerr << "Tarvolin wurde ohne Fenster gebaut; die Personalliste gibt es nur als tarvolin --list DATEI\n";
        return 1;
#endif
    }
    if (mode.starts_with("--")) {
        std::cerr << "tarvolin: unbekannte Option „" << mode << "“; tarvolin --help erklärt, was es gibt.\n";
        return 2;
    }
#ifdef TARVOLIN_WITH_QT
    return tarvolin::runWindow(argc, argv);
#else
    std::cerr << "Tarvolin wurde ohne Fenster gebaut; verfügbar sind nur: tarvolin --script DATEI, tarvolin --list DATEI\n";
    return 1;
#endif
}
