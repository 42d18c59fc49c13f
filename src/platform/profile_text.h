#pragma once
// The text of a profile (INI) file, kept line by line with each line's own
// ending, so that changing one value leaves every other byte of the file as it
// was: comments, other sections, unknown lines, CRLF or CR endings.
//
// A section starts at a line "[name]" and runs to the next such line; an
// entry is a line "key=value" inside a section. Section and key names match
// without regard to case. Where a name occurs twice, the first one counts.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bv {

class ProfileText {
public:
    explicit ProfileText(std::string_view contents);

    // The value of key in section with the blanks around it and one pair of
    // enclosing quotes removed, cut at a NUL byte; nothing when the section or
    // the key is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

    // Sets key in section: replaces the first entry's value in place, or adds
    // the entry after the section's last line that is not blank, or adds the
    // section at the end. The value stays on its line: a NUL byte ends it and
    // line breaks in it become blanks. Returns false, changing nothing, for a
    // name that cannot be written as one (empty, or holding a line break, a
    // NUL byte, "=" in a key, "]" in a section, a key starting with "[").
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Contents() const;

private:
    struct Line {
        std::string text;
        std::string ending;  // "\n", "\r\n", "\r" or "" for a last line without one
    };
    struct Entry {
        std::size_t line;
        std::size_t valueStart;  // offset of the value's first non-blank character
    };

    std::optional<std::size_t> FindSection(std::string_view section) const;
    std::size_t SectionEnd(std::size_t header) const;  // the index after its last line
    std::optional<Entry> FindEntry(std::size_t header, std::string_view key) const;
    void InsertLine(std::size_t index, std::string text);

    std::vector<Line> lines_;
    std::string newline_;  // the ending the file already uses, for added lines
};

}  // namespace bv
