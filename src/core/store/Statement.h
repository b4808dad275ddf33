// A prepared SQLite statement that finalizes itself, with the binding and
// reading the chart library needs. Used inside the store only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct sqlite3_stmt;

namespace orbenza::store {

class Statement {
public:
    explicit Statement(sqlite3_stmt* statement) : m_statement(statement) {}
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();
    // False when preparing the statement failed.
    explicit operator bool() const { return m_statement != nullptr; }

    void bind(int index, std::int64_t value);
    void bind(int index, int value);
    void bind(int index, bool value);
    // The text must stay alive until the statement has been stepped.
    void bind(int index, const std::string& value);
    // NULL for nothing.
    void bind(int index, std::optional<double> value);
    // One step: SQLITE_ROW, SQLITE_DONE or an error code.
    int step();
    // Ready to be bound and stepped again.
    void reset();

    int integer(int column) const;
    std::int64_t integer64(int column) const;
    std::string text(int column) const;
    // Nothing for NULL.
    std::optional<double> real(int column) const;

private:
    sqlite3_stmt* m_statement;
};

} // namespace orbenza::store
