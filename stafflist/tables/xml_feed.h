#pragma once
// XML read as it streams in, with expat (Debian's libexpat: small, no
// toolkit, the parser most of the system already trusts, with its own
// protection against entity expansion). A spreadsheet's parts never need a
// DTD, so a document that declares one is refused; nothing is ever loaded
// from outside the document.
//
// Element and attribute names come as "namespace-uri|local-name" (a name
// without a namespace as the local name alone).
//
// One piece of markup is at most 4 MiB (a start tag with its attributes, a
// comment): expat keeps such a piece whole until its end has come, and
// parses it again from its start with every further block it is fed, so
// that a comment of 70 MB in 64 KB blocks took a minute. Texts come in
// pieces and are not bounded here.

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
    // True also when a handler paused it: the bytes not yet parsed stay the
    // caller's and must not change until resume() has parsed them.
    bool feed(const char* bytes, std::size_t n, bool last);
    // Ends the parse from inside a handler; feed() then returns false with
    // an empty problem.
    void stop();
    // Pauses the parse from inside a handler, after the current event: a
    // reader takes one row at a time, and never holds the rows of a whole
    // block of XML (a few hundred bytes can stand for thousands of cells).
    void pause();
    bool paused() const { return paused_; }
    // Goes on with the bytes of the paused feed(); the same answer as feed().
    bool resume();
    const std::string& problem() const { return problem_; }

private:
    bool parsed(int status);
    bool feedRest();
    static void onStart(void* self, const char* name, const char** attributes);
    static void onEnd(void* self, const char* name);
    static void onText(void* self, const char* text, int length);
    static void onOther(void* self, const char*);
    static void onInstruction(void* self, const char*, const char*);
    static void onDoctype(void* self, const char*, const char*, const char*, int);
    void sawEvent();

    XML_ParserStruct* parser_;
    XmlHandler& handler_;
    std::string problem_;
    bool paused_ = false;
    // What a paused feed() has still to hand to the parser after the part
    // it was parsing.
    const char* rest_ = nullptr;
    std::size_t restSize_ = 0;
    bool restLast_ = false;
    bool finalFed_ = false;
    // Bytes handed to the parser, and the end of the last event it reported.
    long long fed_ = 0;
    long long eventEnd_ = 0;
};

} // namespace tarvolin
