#pragma once
// Texts inside MIDI files are bytes in whatever code page the author's system used. They are
// shown and exported as UTF-8: bytes that already are valid UTF-8 stay as they are, anything
// else is decoded from a legacy single-byte code page (Windows-1251 unless set otherwise,
// since most karaoke files with Russian lyrics were made on such systems).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

enum class TCodePage : unsigned char { Cp1251, Cp1252, Koi8r };

// "cp1251", "windows-1251", "1251", "cp1252", "windows-1252", "latin1" (as cp1252), "koi8-r",
// "koi8r", letter case ignored; nothing for an unknown name.
std::optional<TCodePage> CodePageFromName(std::string_view name);
std::string_view CodePageName(TCodePage codePage);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing above
// U+10FFFF). ASCII is valid UTF-8.
bool IsValidUtf8(std::string_view bytes);

// Every byte of a single-byte code page as UTF-8; bytes the code page leaves undefined
// become U+FFFD.
std::string DecodeCodePage(std::string_view bytes, TCodePage codePage);

// The text as UTF-8: unchanged when valid UTF-8, decoded from the code page otherwise.
std::string DecodeMidiText(std::string_view bytes, TCodePage codePage);

// Number of characters (code points) in a UTF-8 text; a byte that does not belong to a
// well-formed sequence counts as one character.
std::size_t Utf8Length(std::string_view text);

// Appends one code point as UTF-8.
void AppendUtf8(std::string& out, char32_t codePoint);
