#include "stafflist/tables/xml_feed.h"

#include <expat.h>

#include <algorithm>
#include <climits>

namespace tarvolin {

namespace {

constexpr char separator = '|';

} // namespace

std::string_view localName(std::string_view name)
{
    const auto at = name.rfind(separator);
    return at == std::string_view::npos ? name : name.substr(at + 1);
}

bool isNamed(std::string_view name, std::string_view space, std::string_view local)
{
    const auto at = name.rfind(separator);
    if (at == std::string_view::npos)
        return space.empty() && name == local;
    return name.substr(at + 1) == local && name.substr(0, at).ends_with(space);
}

const char* attribute(const char** attributes, std::string_view space, std::string_view local)
{
    for (const char** a = attributes; a != nullptr && a[0] != nullptr; a += 2)
        if (isNamed(a[0], space, local) || (space.empty() && localName(a[0]) == local))
            return a[1];
    return nullptr;
}

XmlFeed::XmlFeed(XmlHandler& handler) : parser_{XML_ParserCreateNS("UTF-8", separator)}, handler_{handler}
{
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, onStart, onEnd);
    XML_SetCharacterDataHandler(parser_, onText);
    XML_SetStartDoctypeDeclHandler(parser_, onDoctype);
}

XmlFeed::~XmlFeed() { XML_ParserFree(parser_); }

bool XmlFeed::feed(const char* bytes, std::size_t n, bool last)
{
    if (!problem_.empty())
        return false;
    while (n > 0 || last) {
        const int part = static_cast<int>(std::min<std::size_t>(n, INT_MAX / 2));
        const bool final = last && static_cast<std::size_t>(part) == n;
        if (XML_Parse(parser_, bytes, part, final ? 1 : 0) != XML_STATUS_OK) {
            if (XML_GetErrorCode(parser_) == XML_ERROR_ABORTED && problem_.empty())
                return false;
            if (problem_.empty())
                problem_ = "ist kein gültiges XML (Fehler in Zeile " + std::to_string(XML_GetCurrentLineNumber(parser_))
                           + ", Spalte " + std::to_string(XML_GetCurrentColumnNumber(parser_)) + ")";
            return false;
        }
        bytes += part;
        n -= static_cast<std::size_t>(part);
        if (final)
            break;
    }
    return true;
}

void XmlFeed::stop() { XML_StopParser(parser_, XML_FALSE); }

void XmlFeed::onStart(void* self, const char* name, const char** attributes)
{
    static_cast<XmlFeed*>(self)->handler_.start(name, attributes);
}

void XmlFeed::onEnd(void* self, const char* name) { static_cast<XmlFeed*>(self)->handler_.end(name); }

void XmlFeed::onText(void* self, const char* text, int length)
{
    static_cast<XmlFeed*>(self)->handler_.text(std::string_view{text, static_cast<std::size_t>(length)});
}

void XmlFeed::onDoctype(void* self, const char*, const char*, const char*, int)
{
    auto* feed = static_cast<XmlFeed*>(self);
    feed->problem_ = "enthält eine DTD, die in keiner Tabellendatei steht";
    XML_StopParser(feed->parser_, XML_FALSE);
}

} // namespace tarvolin
