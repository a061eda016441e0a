// A string that code is appended to a few bytes at a time, through a pointer, without the checks std::string makes
// on each append.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace vellumet {

// The string is grown ahead of the writing, with room to spare, and cut back to what was written when the appender
// goes; while an appender lives, its string is written through it alone. The members have std::string's names, so
// that code written for a string takes an appender too.
class StringAppender {
public:
    explicit StringAppender(std::string& text)
        : text(text)
        , start(text.data())
        , room(text.size())
        , length(text.size())
    {}
    StringAppender(const StringAppender&) = delete;
    StringAppender& operator=(const StringAppender&) = delete;
    ~StringAppender() { text.resize(length); }

    void append(std::string_view piece)
    {
        CopyBytes(Room(piece.size()), piece);
        length += piece.size();
    }
    StringAppender& operator+=(char c)
    {
        *Room(1) = c;
        ++length;
        return *this;
    }
    // Puts the piece in at `at`, moving what follows.
    void insert(std::size_t at, std::string_view piece);

    std::size_t size() const { return length; }
    std::string_view view() const { return {start, length}; }
    bool ends_with(std::string_view end) const { return view().ends_with(end); }
    // Only ever shortens: what was written past `size` is dropped.
    void resize(std::size_t size) { length = std::min(length, size); }

private:
    std::string& text;
    // The string's characters and its size, which takes in the room to spare, kept at hand as they change only as it
    // grows; and what has been written.
    char* start;
    std::size_t room;
    std::size_t length;

    char* Room(std::size_t more)
    {
        if (room - length < more)
            Grow(more);
        return start + length;
    }
    void Grow(std::size_t more);

    // Most pieces are a few bytes long: a constant's name, a joiner. Two overlapping word copies write one of them
    // without a call.
    static void CopyBytes(char* to, std::string_view piece)
    {
        const std::size_t size = piece.size();
        const char* from = piece.data();
        if (size >= 8 && size <= 16) {
            CopyWord<std::uint64_t>(to, from);
            CopyWord<std::uint64_t>(to + size - 8, from + size - 8);
        } else if (size >= 4 && size < 8) {
            CopyWord<std::uint32_t>(to, from);
            CopyWord<std::uint32_t>(to + size - 4, from + size - 4);
        } else if (size > 0 && size < 4) {
            to[0] = from[0];
            to[size / 2] = from[size / 2];
            to[size - 1] = from[size - 1];
        } else if (size != 0) {
            std::memcpy(to, from, size);
        }
    }
    template <class Word>
    static void CopyWord(char* to, const char* from)
    {
        Word word;
        std::memcpy(&word, from, sizeof word);
        std::memcpy(to, &word, sizeof word);
    }
};

} // namespace vellumet
