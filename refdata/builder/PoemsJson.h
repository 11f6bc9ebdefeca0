#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A small JSON reader for the poem files of the chinese-poetry package: enough of JSON to read
// any well-formed file into a tree, with an error that names the line of a malformed one.
namespace lumo::refdb {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    std::string text;  // String: the UTF-8 value; Number and Bool: the literal as written
    std::vector<JsonValue> items;                            // Array
    std::vector<std::pair<std::string, JsonValue>> members;  // Object, in file order

    // The member of an object by key, or nullptr (also for a value that is not an object).
    const JsonValue* Find(std::string_view key) const;
    bool IsString() const { return kind == Kind::String; }
};

// Parses the whole text; answers false with "line N: ..." in `error` when it is not valid JSON.
bool ParseJson(std::string_view text, JsonValue& out, std::string& error);

}  // namespace lumo::refdb
