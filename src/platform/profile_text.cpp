#include "platform/profile_text.h"

#include <algorithm>

namespace bv {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

bool Holds(std::string_view text, std::string_view characters) {
    return text.find_first_of(characters) != std::string_view::npos;
}

const std::string_view kLineBreaksAndNul("\r\n\0", 3);

// The name of the section a line opens, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
    const std::size_t close = trimmed.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(trimmed.substr(1, close - 1));
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string OneLineValue(std::string_view value) {
    std::string line(value.substr(0, value.find('\0')));
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return line;
}

}  // namespace

ProfileText::ProfileText(std::string_view contents) {
    std::size_t start = 0;
    while (start < contents.size()) {
        const std::size_t end = contents.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines_.push_back({std::string(contents.substr(start)), ""});
            break;
        }
        const std::size_t endingLength =
            contents[end] == '\r' && end + 1 < contents.size() && contents[end + 1] == '\n' ? 2 : 1;
        lines_.push_back({std::string(contents.substr(start, end - start)),
                          std::string(contents.substr(end, endingLength))});
        start = end + endingLength;
    }
    const auto withEnding = std::find_if(lines_.begin(), lines_.end(),
                                         [](const Line& line) { return !line.ending.empty(); });
    newline_ = withEnding != lines_.end() ? withEnding->ending : "\n";
}

std::optional<std::size_t> ProfileText::FindSection(std::string_view section) const {
    const std::string_view wanted = Trim(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::optional<std::string_view> name = SectionName(lines_[i].text);
        if (name && EqualIgnoringCase(*name, wanted)) return i;
    }
    return std::nullopt;
}

std::size_t ProfileText::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && !SectionName(lines_[i].text)) ++i;
    return i;
}

std::optional<ProfileText::Entry> ProfileText::FindEntry(std::size_t header,
                                                         std::string_view key) const {
    const std::string_view wanted = Trim(key);
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const std::string_view text = lines_[i].text;
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos) continue;
        if (!EqualIgnoringCase(Trim(text.substr(0, equals)), wanted)) continue;
        std::size_t valueStart = equals + 1;
        while (valueStart < text.size() && IsBlank(text[valueStart])) ++valueStart;
        return Entry{i, valueStart};
    }
    return std::nullopt;
}

std::optional<std::string> ProfileText::Find(std::string_view section, std::string_view key) const {
    const std::optional<std::size_t> header = FindSection(section);
    if (!header) return std::nullopt;
    const std::optional<Entry> entry = FindEntry(*header, key);
    if (!entry) return std::nullopt;
    std::string_view value = std::string_view(lines_[entry->line].text).substr(entry->valueStart);
    value = value.substr(0, value.find('\0'));
    return std::string(Unquote(Trim(value)));
}

void ProfileText::InsertLine(std::size_t index, std::string text) {
    // The line before it may be the file's last one without an ending.
    if (index > 0 && lines_[index - 1].ending.empty()) lines_[index - 1].ending = newline_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index),
                  Line{std::move(text), newline_});
}

bool ProfileText::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view sectionName = Trim(section);
    const std::string_view keyName = Trim(key);
    if (sectionName.empty() || Holds(sectionName, kLineBreaksAndNul) || Holds(sectionName, "]"))
        return false;
    if (keyName.empty() || Holds(keyName, kLineBreaksAndNul) || Holds(keyName, "=") ||
        keyName.front() == '[')
        return false;
    const std::string newValue = OneLineValue(value);

    const std::optional<std::size_t> header = FindSection(sectionName);
    if (!header) {
        InsertLine(lines_.size(), "[" + std::string(sectionName) + "]");
        InsertLine(lines_.size(), std::string(keyName) + "=" + newValue);
        return true;
    }
    if (const std::optional<Entry> entry = FindEntry(*header, keyName)) {
        std::string& text = lines_[entry->line].text;
        text.replace(entry->valueStart, std::string::npos, newValue);
        return true;
    }
    std::size_t after = SectionEnd(*header);
    while (after > *header + 1 && Trim(lines_[after - 1].text).empty()) --after;
    InsertLine(after, std::string(keyName) + "=" + newValue);
    return true;
}

std::string ProfileText::Contents() const {
    std::string contents;
    for (const Line& line : lines_) {
        contents += line.text;
        contents += line.ending;
    }
    return contents;
}

}  // namespace bv
