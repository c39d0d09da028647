#pragma once
// The scripted window as the reference for the drawn one: run a script in a
// folder of its own and take its last dump, and name the first line where
// two dumps differ.

#include "script/script_runner.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <sstream>
#include <string>

namespace tarvolin::testing {

// The case in the scripted window's own words, run in a folder of its own.
inline std::string scriptedDump(const std::string& script)
{
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    std::istringstream in{script};
    std::ostringstream out;
    std::ostringstream err;
    const int status = runScript(in, out, err);
    QDir::setCurrent(previous);
    if (status != 0)
        return "script failed: " + err.str();
    // The last dump of the output.
    const std::string text = out.str();
    const auto begin = text.rfind("dump\n");
    return begin == std::string::npos ? "no dump in: " + text : text.substr(begin);
}

// The first line where two dumps differ, for a readable failure.
inline QString firstDifference(const std::string& a, const std::string& b)
{
    std::istringstream left{a};
    std::istringstream right{b};
    std::string l;
    std::string r;
    for (int line = 1;; ++line) {
        const bool moreLeft = static_cast<bool>(std::getline(left, l));
        const bool moreRight = static_cast<bool>(std::getline(right, r));
        if (!moreLeft && !moreRight)
            return {};
        if (l != r || moreLeft != moreRight)
            return QStringLiteral("line %1: window \"%2\", script \"%3\"")
                .arg(line)
                .arg(QString::fromStdString(moreLeft ? l : "<end>"), QString::fromStdString(moreRight ? r : "<end>"));
    }
}


} // namespace tarvolin::testing
