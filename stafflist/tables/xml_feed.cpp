#include "stafflist/tables/xml_feed.h"

#include <expat.h>

#include <algorithm>
#include <climits>

namespace tarvolin {

namespace {

constexpr char separator = '|';
constexpr long long largestPiece = 4LL << 20;

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
    XML_SetCommentHandler(parser_, onOther);
    XML_SetProcessingInstructionHandler(parser_, onInstruction);
    XML_SetStartDoctypeDeclHandler(parser_, onDoctype);
}

XmlFeed::~XmlFeed() { XML_ParserFree(parser_); }

// After a parse call: whether it went on well; a pause keeps the rest.
bool XmlFeed::parsed(int status)
{
    if (status == XML_STATUS_SUSPENDED) {
        paused_ = true;
        return true;
    }
    if (status != XML_STATUS_OK) {
        if (XML_GetErrorCode(parser_) == XML_ERROR_ABORTED && problem_.empty())
            return false;
        if (problem_.empty())
            problem_ = "ist kein gültiges XML (Fehler in Zeile " + std::to_string(XML_GetCurrentLineNumber(parser_))
                       + ", Spalte " + std::to_string(XML_GetCurrentColumnNumber(parser_)) + ")";
        return false;
    }
    if (fed_ - eventEnd_ > largestPiece) {
        problem_ = "enthält ein Stück Markup (ein Element mit seinen Attributen oder einen Kommentar) von mehr als "
                   "4 MB; so etwas steht in keiner Tabelle";
        return false;
    }
    return true;
}

bool XmlFeed::feed(const char* bytes, std::size_t n, bool last)
{
    if (!problem_.empty() || finalFed_)
        return problem_.empty();
    rest_ = bytes;
    restSize_ = n;
    restLast_ = last;
    return feedRest();
}

bool XmlFeed::feedRest()
{
    while (restSize_ > 0 || restLast_) {
        const int part = static_cast<int>(std::min<std::size_t>(restSize_, INT_MAX / 2));
        const bool final = restLast_ && static_cast<std::size_t>(part) == restSize_;
        const char* bytes = rest_;
        rest_ += part;
        restSize_ -= static_cast<std::size_t>(part);
        finalFed_ = final;
        if (final)
            restLast_ = false;
        fed_ += part;
        if (!parsed(XML_Parse(parser_, bytes, part, final ? 1 : 0)))
            return false;
        if (paused_)
            return true;
    }
    return true;
}

bool XmlFeed::resume()
{
    if (!paused_)
        return problem_.empty();
    paused_ = false;
    if (!parsed(XML_ResumeParser(parser_)))
        return false;
    return paused_ || feedRest();
}

void XmlFeed::stop() { XML_StopParser(parser_, XML_FALSE); }

void XmlFeed::pause()
{
    XML_ParsingStatus status;
    XML_GetParsingStatus(parser_, &status);
    if (status.parsing == XML_PARSING)
        XML_StopParser(parser_, XML_TRUE);
}

void XmlFeed::sawEvent()
{
    eventEnd_ = static_cast<long long>(XML_GetCurrentByteIndex(parser_)) + XML_GetCurrentByteCount(parser_);
}

void XmlFeed::onStart(void* self, const char* name, const char** attributes)
{
    auto* feed = static_cast<XmlFeed*>(self);
    feed->sawEvent();
    feed->handler_.start(name, attributes);
}

void XmlFeed::onEnd(void* self, const char* name)
{
    auto* feed = static_cast<XmlFeed*>(self);
    feed->sawEvent();
    feed->handler_.end(name);
}

void XmlFeed::onText(void* self, const char* text, int length)
{
    auto* feed = static_cast<XmlFeed*>(self);
    feed->sawEvent();
    feed->handler_.text(std::string_view{text, static_cast<std::size_t>(length)});
}

void XmlFeed::onOther(void* self, const char*) { static_cast<XmlFeed*>(self)->sawEvent(); }

void XmlFeed::onInstruction(void* self, const char*, const char*) { static_cast<XmlFeed*>(self)->sawEvent(); }

void XmlFeed::onDoctype(void* self, const char*, const char*, const char*, int)
{
    auto* feed = static_cast<XmlFeed*>(self);
    feed->problem_ = "enthält eine DTD, die in keiner Tabellendatei steht";
    XML_StopParser(feed->parser_, XML_FALSE);
}

} // namespace tarvolin
