#include "OutputBuffer.h"

namespace orbenza::cli {

void OutputBuffer::appendStable(std::string_view stable) {
    if (m_closedText < text.size())
        m_pieces.push_back(Piece{nullptr, m_closedText, text.size() - m_closedText});
    m_closedText = text.size();
    if (!stable.empty())
        m_pieces.push_back(Piece{stable.data(), 0, stable.size()});
}

void OutputBuffer::clear() {
    text.clear();
    m_pieces.clear();
    m_closedText = 0;
}

std::size_t OutputBuffer::size() const {
    std::size_t total = 0;
    forEachPiece([&](std::string_view piece) { total += piece.size(); });
    return total;
}

std::string OutputBuffer::flattened() const {
    std::string all;
    all.reserve(size());
    forEachPiece([&](std::string_view piece) { all.append(piece); });
    return all;
}

void OutputBuffer::rollback(const Mark& mark) {
    text.resize(mark.textSize);
    m_pieces.resize(mark.pieceCount);
    m_closedText = mark.closedText;
}

} // namespace orbenza::cli
