#include "script/script_runner.h"

#include "script/script_command.h"
#include "script/scripted_window.h"

#include <exception>
#include <fstream>
#include <iostream>
#include <string>

namespace tarvolin {

int runScript(std::istream& in, std::ostream& out, std::ostream& err)
{
    ScriptedWindow window{out};
    std::string text;
    for (long number = 1; std::getline(in, text); ++number) {
        const ScriptLine line = parseScriptLine(text);
        if (line.status == ScriptLine::Status::Skip)
            continue;
        std::string problem = line.error;
        if (line.status == ScriptLine::Status::Command) {
            try {
                problem = window.run(line);
            } catch (const std::exception& e) {
                out.flush();
                err << "tarvolin: Zeile " << number << ": interner Fehler: " << e.what() << '\n';
                return 1;
            }
        }
        if (!problem.empty()) {
            out.flush();
            err << "tarvolin: Zeile " << number << ": " << problem << '\n';
            return 2;
        }
    }
    out.flush();
    return 0;
}

int runScriptFile(std::string_view path)
{
    if (path == "-")
        return runScript(std::cin, std::cout, std::cerr);
    std::ifstream file{std::string{path}, std::ios::binary};
    if (!file) {
        std::cerr << "tarvolin: das Skript „" << path << "“ lässt sich nicht lesen\n";
        return 2;
    }
    return runScript(file, std::cout, std::cerr);
}

} // namespace tarvolin
