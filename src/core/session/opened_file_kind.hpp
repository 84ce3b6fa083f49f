#pragma once
// What a file handed to the program (on its command line, from the desktop's file manager)
// is, so that it opens as the menu made for it would open it.
#include <filesystem>
#include <string_view>

namespace tavir {

enum class OpenedFileKind {
    Series,                 // the series loader, as "&Ouvrir"
    Exercise,               // the exercise, as the chooser opens it
    Text,                   // RTF or plain text, as "Retrouver un texte"
    WordProcessorDocument,  // a .docx or .odt: refused, with how to make an RTF of it
    Unknown,                // no text at all: refused as "Retrouver un texte" refuses it
};

// In order: record 1 "TAVIR" is a series whatever the name; then the extension ".C01" or
// ".E06", in any case, as the file lists match them (a damaged file then gets its loader's
// message); then the content: a word-processor package, a text (RTF, plain, UTF-16, or no
// bytes at all), or else unknown.
OpenedFileKind openedFileKind(const std::filesystem::path& name, std::string_view bytes);

// Reads the file as far as the exercise area would and tells. A file that cannot be read is
// told by its name alone: its loader then says why it cannot be opened.
OpenedFileKind openedFileKindOf(const std::filesystem::path& path);

}  // namespace tavir
