#pragma once
// The program's texts are UTF-8 (std::string); Qt's are QString. These two
// are the one way between them, for every room of the binding.

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

namespace tarvolin {

inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string toUtf8(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string{bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace tarvolin
