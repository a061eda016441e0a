// Growing a StringAppender's string, and putting a piece in before its end.
#include "StringAppender.h"

namespace vellumet {

// The string takes in all the room reserved for it at once; past that, doubling keeps the growing rare.
void StringAppender::Grow(std::size_t more)
{
    text.resize(std::max({text.capacity(), 2 * text.size(), length + more}));
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
