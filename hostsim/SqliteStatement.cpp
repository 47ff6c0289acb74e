#include "hostsim/SqliteStatement.h"

#include "hostsim/ProjectError.h"

namespace hostsim {
namespace {

[[noreturn]] void Fail(sqlite3* db) { throw ProjectError(std::string("project.db: ") + sqlite3_errmsg(db)); }

}  // namespace

SqliteStatement::SqliteStatement(sqlite3* db, const char* sql) : db_(db) {
  if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK) Fail(db);
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(stmt_); }

SqliteStatement& SqliteStatement::Bind(int index, std::int64_t value) {
  if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) Fail(db_);
  return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, double value) {
  if (sqlite3_bind_double(stmt_, index, value) != SQLITE_OK) Fail(db_);
  return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, std::u16string_view value) {
  const auto bytes = static_cast<int>(value.size() * sizeof(char16_t));
  if (sqlite3_bind_text16(stmt_, index, value.data(), bytes, SQLITE_TRANSIENT) != SQLITE_OK) Fail(db_);
  return *this;
}

bool SqliteStatement::Step() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  Fail(db_);
}

void SqliteStatement::Run() {
  Step();
  Reset();
}

void SqliteStatement::Reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

std::int64_t SqliteStatement::Int(int column) const { return sqlite3_column_int64(stmt_, column); }

double SqliteStatement::Real(int column) const { return sqlite3_column_double(stmt_, column); }

std::u16string SqliteStatement::Text(int column) const {
  const auto* data = static_cast<const char16_t*>(sqlite3_column_text16(stmt_, column));
  const int bytes = sqlite3_column_bytes16(stmt_, column);
  return data != nullptr ? std::u16string(data, static_cast<std::size_t>(bytes) / sizeof(char16_t)) : std::u16string();
}

}  // namespace hostsim
