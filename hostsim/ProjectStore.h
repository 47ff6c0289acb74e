#pragma once
// The project's tag database file (project.db, SQLite). Every write is its own transaction, or part
// of the enclosing one (Transaction nests); what was not written here is not in the file.

#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "hostsim/PostedMessage.h"
#include "hostsim/SqliteStatement.h"
#include "hostsim/TagDatabase.h"

namespace hostsim {

class ProjectStore {
 public:
  // Throws ProjectError: Create when the file exists, Open when it is missing, unreadable or not a
  // tag database.
  static std::unique_ptr<ProjectStore> Create(const std::filesystem::path& file);
  static std::unique_ptr<ProjectStore> Open(const std::filesystem::path& file);
  ~ProjectStore();
  ProjectStore(const ProjectStore&) = delete;
  ProjectStore& operator=(const ProjectStore&) = delete;

  // Rolled back at destruction unless committed.
  class Transaction {
   public:
    explicit Transaction(ProjectStore& store);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void Commit();

   private:
    ProjectStore& store_;
    bool done_ = false;
  };

  // Reads the classes, the tags and the mailbox; each tag's records are read when the database first
  // needs them, so the store must outlive the database's use.
  void Load(TagDatabase& database, std::vector<PostedMessage>& messages);

  void InsertClass(const TagClass& tagClass);
  void InsertTag(const Tag& tag);
  // The tag's whole state: its row, every variable, element and alarm record.
  void CommitTag(const Tag& tag);
  void WriteDescription(const Tag& tag);
  void WriteScope(const Tag& tag);
  // After TagDatabase::ChangeType: the type, the type bits of the definitions and elements, and
  // the members and elements that were made anew.
  void WriteType(const Tag& tag, bool membersRebuilt, bool selfElementsRebuilt);
  // After TagDatabase::ChangeSize: the size bits, dropped and new elements.
  void WriteSize(const Tag& tag, int oldSize);
  void AppendMessage(const PostedMessage& message);

 private:
  explicit ProjectStore(sqlite3* db);
  void Exec(const char* sql);
  void Prepare();
  void InsertVariable(const Tag& tag, DWORD member, const Variable& variable);
  void InsertElement(const Tag& tag, DWORD member, int index, const Element& element);
  void DeleteRows(const Tag& tag, DWORD firstMember, int firstElement);
  void UpdateFlags(const char* table, const Tag& tag, DWORD member, DWORD mask, DWORD bits);
  // Fills a tag's records from its rows.
  void LoadTag(Tag& tag);

  sqlite3* db_;
  int depth_ = 0;
  std::unique_ptr<SqliteStatement> insertTag_, insertVariable_, insertElement_, insertInfo_, insertType_;
  std::unique_ptr<SqliteStatement> selectVariables_, selectElements_, selectInfos_, selectTypes_;
};

}  // namespace hostsim
