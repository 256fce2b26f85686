#include "RecordingFileTypes.h"

#include "RecordingFile.h"

#include <algorithm>
#include <cctype>

namespace kadenzo {
namespace {

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    while (from <= text.size()) {
        std::size_t to = text.find(separator, from);
        if (to == std::string_view::npos) to = text.size();
        parts.emplace_back(text.substr(from, to - from));
        from = to + 1;
    }
    return parts;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool IsRecordingPattern(const std::string& pattern) {
    if (pattern.size() < 3 || pattern.compare(0, 2, "*.") != 0) return false;
    const std::vector<std::string>& known = RecordingExtensions();
    return std::find(known.begin(), known.end(), Lower(pattern.substr(2))) != known.end();
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Joined(const std::vector<std::string>& patterns, const char* separator) {
    std::string out;
    for (const std::string& pattern : patterns) {
        if (!out.empty()) out += separator;
        out += pattern;
    }
    return out;
}

}  // namespace

const std::vector<std::string>& RecordingExtensions() {
    // The formats LoadRecording reads, each once, in lower case.
    static const std::vector<std::string> kExtensions = [] {
        std::vector<std::string> extensions;
        for (const RecordingFileFilter& format : RecordingFileFilters())
            extensions.push_back(Lower(format.patterns.front().substr(2)));
        return extensions;
    }();
    return kExtensions;
}

std::vector<FileFilterEntry> ParseFileFilter(std::string_view filter) {
    const std::size_t end = filter.find("||");
    if (end != std::string_view::npos) filter = filter.substr(0, end);
    const std::vector<std::string> parts = Split(filter, '|');
    std::vector<FileFilterEntry> entries;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        FileFilterEntry entry;
        entry.text = parts[i];
        for (const std::string& pattern : Split(parts[i + 1], ';')) {
            const std::string trimmed = Trimmed(pattern);
            if (!trimmed.empty()) entry.patterns.push_back(trimmed == "*.*" ? "*" : trimmed);
        }
        if (entry.patterns.empty()) continue;
        if (std::all_of(entry.patterns.begin(), entry.patterns.end(), IsRecordingPattern)) {
            entry.patterns.clear();
            for (const std::string& extension : RecordingExtensions())
                entry.patterns.push_back("*." + extension);
        }
        // The pattern list a text ends with is written anew from the patterns.
        const std::size_t open = entry.text.rfind('(');
        if (!entry.text.empty() && entry.text.back() == ')' && open != std::string::npos)
            entry.text = Trimmed(entry.text.substr(0, open));
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string JoinFileFilter(const std::vector<FileFilterEntry>& entries) {
    std::string out;
    for (const FileFilterEntry& entry : entries) {
        if (!out.empty()) out += ";;";
        out += entry.text + " (" + Joined(entry.patterns, " ") + ")";
    }
    return out;
}

}  // namespace kadenzo
