#pragma once
// The two encodings at the file boundary: UTF-8 inside the program, Windows-1252 in the
// record files and in RTF's \'hh escapes and old plain-text files.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavir {

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// The character of a Windows-1252 byte. The five bytes that code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) give the replacement character.
char32_t cp1252ToUnicode(std::uint8_t byte);

// The Windows-1252 byte of a character, or -1 when the code page has none.
int unicodeToCp1252(char32_t codePoint);

// Appends the UTF-8 form of a code point; surrogates and values past U+10FFFF give the
// replacement character.
void appendUtf8(std::string& out, char32_t codePoint);

// Decodes the character at pos and moves pos past it; a malformed sequence gives the
// replacement character and moves by one byte, so the loop always ends.
char32_t nextUtf8(std::string_view text, std::size_t& pos);

bool isValidUtf8(std::string_view text);

// Whole texts. The undefined bytes keep their own number both ways, so that no byte of a
// record is lost; a character with no Windows-1252 byte becomes "?".
std::string cp1252ToUtf8(std::string_view bytes);
std::string utf8ToCp1252(std::string_view utf8);

// A text that starts with a UTF-16 byte-order mark (FF FE little-endian, FE FF big-endian),
// as Windows' Notepad saves "Unicode", in UTF-8 without the mark; nothing without one. A lone
// surrogate or an odd last byte gives the replacement character.
std::optional<std::string> utf16WithMarkToUtf8(std::string_view bytes);

}  // namespace tavir
