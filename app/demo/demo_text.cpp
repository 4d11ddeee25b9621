// demo_text.cpp -- a demo's lines, checked once, then read again one command at a time.
#include "app/demo/demo_text.h"

#include <utility>

LineKind DemoText::ReadLine(DemoCommand& command, std::string& error) {
    const std::size_t newline = text_.find('\n', at_);
    const bool terminated = newline != std::string::npos;
    const std::size_t end = terminated ? newline : text_.size();
    const std::size_t begin = at_;
    at_ = terminated ? end + 1 : end;
    return ParseScriptLine(text_.substr(begin, end - begin), ++line_, terminated, command, error);
}

bool DemoText::Check(std::string text, std::string& error) {
    *this = DemoText();
    text_ = std::move(text);
    end_ = text_.size();
    DemoCommand command;
    while (at_ < text_.size()) {
        const std::size_t begin = at_;
        const LineKind kind = ReadLine(command, error);
        if (kind == LineKind::Bad) {
            *this = DemoText();
            return false;
        }
        if (kind == LineKind::CutShort) {
            cutShort_ = error;
            end_ = begin;
            error.clear();
        }
    }
    at_ = 0;
    line_ = 0;
    return true;
}

bool DemoText::Next(DemoCommand& command) {
    std::string unused;
    while (at_ < end_) {
        if (ReadLine(command, unused) == LineKind::Command) {
            return true;
        }
    }
    return false;
}
