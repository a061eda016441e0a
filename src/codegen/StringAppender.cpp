// Growing a StringAppender's string, and putting a piece in before its end.
#include "StringAppender.h"

namespace vellumet {

// The string takes in the room reserved for it a doubling at a time, so that no more of it is cleared than is
// about to be written; past that room, the string's own doubling keeps the growing rare.
void StringAppender::Grow(std::size_t more)
{
    constexpr std::size_t LeastStep = 256;
    text.resize(std::max(length + more, std::min(2 * text.size() + LeastStep, text.capacity())));
    start = text.data();
    room = text.size();
}

void StringAppender::insert(std::size_t at, std::string_view piece)
{
    char* const start = Room(piece.size());
    char* const place = start - (length - at);
    std::memmove(place + piece.size(), place, length - at);
    std::memcpy(place, piece.data(), piece.size());
    length += piece.size();
}

} // namespace vellumet
