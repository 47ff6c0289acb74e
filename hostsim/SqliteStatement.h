#pragma once
// A prepared SQLite statement: bind by position from 1, step, read columns from 0. Text is UTF-16.

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace hostsim {

class SqliteStatement {
 public:
  SqliteStatement(sqlite3* db, const char* sql);
  ~SqliteStatement();
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  SqliteStatement& Bind(int index, std::int64_t value);
  SqliteStatement& Bind(int index, double value);
  SqliteStatement& Bind(int index, std::u16string_view value);
  // True while a row is available; throws ProjectError on failure.
  bool Step();
  // Step once and reset, for statements that return no rows.
  void Run();
  void Reset();

  std::int64_t Int(int column) const;
  double Real(int column) const;
  std::u16string Text(int column) const;

 private:
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace hostsim
