#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kadenzo {

// The extensions (lower case, without the dot) of the recording files the
// program reads. The import dialog's file chooser offers exactly these; a
// reader added to LoadRecording adds its extension here.
const std::vector<std::string>& RecordingExtensions();

// One entry of a file chooser's filter: what the user reads (without the
// pattern list) and the patterns it stands for ("*.hrm").
struct FileFilterEntry {
    std::string text;
    std::vector<std::string> patterns;
    friend bool operator==(const FileFilterEntry&, const FileFilterEntry&) = default;
};

// The entries of a filter text written "text|patterns|text|patterns||", the
// patterns of one entry separated by ";". An entry that lists only recording
// extensions ("*.hrm;*.tur;*.tour") stands for every recording file, and is
// given every extension of RecordingExtensions(); "*.*" becomes "*" (a name
// without a dot is a file too). A parenthesised pattern list at the end of a
// text is dropped: JoinFileFilter writes it from the patterns.
std::vector<FileFilterEntry> ParseFileFilter(std::string_view filter);

// The entries in the form file choosers take: "Text (*.a *.b);;Text (*)".
std::string JoinFileFilter(const std::vector<FileFilterEntry>& entries);

}  // namespace kadenzo
