#pragma once
// A record for the page's script, written as a JSON object: what the program tells the page
// and what it answers the page's calls with (web/page/bridge.js) goes as one, field by name.

#include <string>
#include <string_view>
#include <vector>

namespace velantra {

class Record {
  public:
    Record& set(std::string_view key, std::string_view text);
    Record& set(std::string_view key, const char* text) { return set(key, std::string_view(text)); }
    Record& set(std::string_view key, int number);
    Record& set(std::string_view key, bool flag);
    Record& set(std::string_view key, const Record& record);
    Record& set(std::string_view key, const std::vector<Record>& records);
    Record& set(std::string_view key, const std::vector<const char*>& texts);

    // The JSON text; valid until the record changes.
    const std::string& json() const;
    const char* c_str() const { return json().c_str(); }

  private:
    void key(std::string_view key);
    std::string fields_;
    mutable std::string json_;
};

}  // namespace velantra
