#pragma once
// XML read as it streams in, with expat (Debian's libexpat: small, no
// toolkit, the parser most of the system already trusts, with its own
// protection against entity expansion). A spreadsheet's parts never need a
// DTD, so a document that declares one is refused; nothing is ever loaded
// from outside the document.
//
// Element and attribute names come as "namespace-uri|local-name" (a name
// without a namespace as the local name alone).

#include <cstddef>
#include <string>
#include <string_view>

struct XML_ParserStruct;

namespace tarvolin {

class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    // `attributes`: name, value, name, value, ..., nullptr.
    virtual void start(std::string_view name, const char** attributes) = 0;
    virtual void end(std::string_view name) = 0;
    virtual void text(std::string_view text) = 0;
};

// The local part of a name: "c" of "http://...main|c".
std::string_view localName(std::string_view name);
// Whether a name has this local part and its namespace ends with `space`
// ("" for any namespace).
bool isNamed(std::string_view name, std::string_view space, std::string_view local);
// The value of the attribute with this local name (in a namespace ending
// with `space`), or nothing.
const char* attribute(const char** attributes, std::string_view space, std::string_view local);

class XmlFeed {
public:
    explicit XmlFeed(XmlHandler& handler);
    ~XmlFeed();
    XmlFeed(const XmlFeed&) = delete;
    XmlFeed& operator=(const XmlFeed&) = delete;

    // Parses the next bytes; `last` with the final ones. False on an error
    // (problem() says it in German), or when the handler stopped the parse.
    bool feed(const char* bytes, std::size_t n, bool last);
    // Ends the parse from inside a handler; feed() then returns false with
    // an empty problem.
    void stop();
    const std::string& problem() const { return problem_; }

private:
    static void onStart(void* self, const char* name, const char** attributes);
    static void onEnd(void* self, const char* name);
    static void onText(void* self, const char* text, int length);
    static void onDoctype(void* self, const char*, const char*, const char*, int);

    XML_ParserStruct* parser_;
    XmlHandler& handler_;
    std::string problem_;
};

} // namespace tarvolin
