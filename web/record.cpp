#include "web/record.h"

#include <cstdio>

namespace velantra {

namespace {

// A JSON string; UTF-8 passes as it is.
void quote(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    out += '"';
}

}  // namespace

void Record::key(std::string_view key) {
    if (!fields_.empty()) fields_ += ',';
    quote(fields_, key);
    fields_ += ':';
}

Record& Record::set(std::string_view k, std::string_view text) {
    key(k);
    quote(fields_, text);
    return *this;
}

Record& Record::set(std::string_view k, int number) {
    key(k);
    fields_ += std::to_string(number);
    return *this;
}

Record& Record::set(std::string_view k, bool flag) {
    key(k);
    fields_ += flag ? "true" : "false";
    return *this;
}

Record& Record::set(std::string_view k, const Record& record) {
    key(k);
    fields_ += record.json();
    return *this;
}

Record& Record::set(std::string_view k, const std::vector<Record>& records) {
    key(k);
    fields_ += '[';
    for (std::size_t i = 0; i < records.size(); ++i) fields_ += (i ? "," : "") + records[i].json();
    fields_ += ']';
    return *this;
}

Record& Record::set(std::string_view k, const std::vector<const char*>& texts) {
    key(k);
    fields_ += '[';
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i) fields_ += ',';
        quote(fields_, texts[i]);
    }
    fields_ += ']';
    return *this;
}

const std::string& Record::json() const {
    json_ = '{' + fields_ + '}';
    return json_;
}

}  // namespace velantra
