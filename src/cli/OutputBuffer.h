// The output of a stretch of rows, gathered for one write.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orbenza::cli {

// The output of a stretch of rows: the bytes made for them in text, and
// pieces of long-lived storage (the report runs' JSON, made once per writer)
// referenced where they belong instead of copied, so a sink can hand
// everything to the system in one gathered write.
class OutputBuffer {
public:
    // Appending to text directly is allowed at any time.
    std::string text;

    // Refers to bytes that stay unchanged and alive until the buffer has been
    // written.
    void appendStable(std::string_view stable);
    void clear();
    // All bytes: text and the stable pieces, in order.
    std::size_t size() const;
    // Calls piece(std::string_view) for every piece in order.
    template <typename Function> void forEachPiece(Function&& piece) const;
    std::string flattened() const;

    // A point to go back to, dropping what was added after it.
    struct Mark {
        std::size_t textSize, pieceCount, closedText;
    };
    Mark mark() const { return {text.size(), m_pieces.size(), m_closedText}; }
    void rollback(const Mark& mark);

private:
    struct Piece {
        const char* stable; // nullptr: text[offset, offset + size)
        std::size_t offset, size;
    };
    std::vector<Piece> m_pieces;
    std::size_t m_closedText = 0; // text before this offset is in m_pieces
};

template <typename Function> void OutputBuffer::forEachPiece(Function&& piece) const {
    for (const Piece& p : m_pieces)
        piece(p.stable != nullptr ? std::string_view(p.stable, p.size)
                                  : std::string_view(text).substr(p.offset, p.size));
    if (m_closedText < text.size())
        piece(std::string_view(text).substr(m_closedText));
}

} // namespace orbenza::cli
