#pragma once
// The lyrics view that follows playback: which played events carry a lyric, and how each
// lyric extends the view's text. Karaoke files start a line with "/", a paragraph with "\"
// and mark a tag (the title, "@T...") with "@"; other texts continue the current line.
//
// The view's text keeps every line terminated by '\n' ("" is a view without lines), so an
// empty line is told apart from no line at all.

#include <cstdint>
#include <string>
#include <string_view>

struct TMidiEventEx;

// A meta event whose text goes to the view: a text event (type 1) in the third track of a
// karaoke file, or a lyric event (type 5) of any other file. Empty texts never do.
bool IsLyricEvent(const TMidiEventEx& event, bool karaoke, int32_t trackNo);

// Adds one lyric (already decoded to UTF-8) to the view's text.
void AppendLyric(std::string& view, std::string_view lyric);

// The view's text as an editor shows it: the lines joined by '\n', without the last
// terminator.
std::string LyricsDisplayText(const std::string& view);
