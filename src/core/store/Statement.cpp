#include "store/Statement.h"

#include <sqlite3.h>

namespace orbenza::store {

Statement::~Statement() {
    sqlite3_finalize(m_statement);
}

void Statement::bind(int index, std::int64_t value) {
    sqlite3_bind_int64(m_statement, index, value);
}

void Statement::bind(int index, int value) {
    sqlite3_bind_int(m_statement, index, value);
}

void Statement::bind(int index, bool value) {
    sqlite3_bind_int(m_statement, index, value ? 1 : 0);
}

void Statement::bind(int index, const std::string& value) {
    sqlite3_bind_text(m_statement, index, value.data(), static_cast<int>(value.size()),
                      SQLITE_STATIC);
}

void Statement::bind(int index, std::optional<double> value) {
    if (value)
        sqlite3_bind_double(m_statement, index, *value);
    else
        sqlite3_bind_null(m_statement, index);
}

int Statement::step() {
    return sqlite3_step(m_statement);
}

void Statement::reset() {
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

int Statement::integer(int column) const {
    return sqlite3_column_int(m_statement, column);
}

std::int64_t Statement::integer64(int column) const {
    return sqlite3_column_int64(m_statement, column);
}

std::string Statement::text(int column) const {
    const auto* bytes = sqlite3_column_text(m_statement, column);
    const int size = sqlite3_column_bytes(m_statement, column);
    return bytes == nullptr
               ? std::string()
               : std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size));
}

std::optional<double> Statement::real(int column) const {
    if (sqlite3_column_type(m_statement, column) == SQLITE_NULL)
        return std::nullopt;
    return sqlite3_column_double(m_statement, column);
}

} // namespace orbenza::store
