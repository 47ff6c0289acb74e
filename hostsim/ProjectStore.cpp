#include "hostsim/ProjectStore.h"

#include <cstring>
#include <system_error>

#include "hostsim/ProjectError.h"
#include "hostsim/Text.h"

namespace hostsim {
namespace {

constexpr int kSchemaVersion = 1;

const char* const kSchema = R"sql(
CREATE TABLE meta(key TEXT PRIMARY KEY, value);
CREATE TABLE classes(number INTEGER PRIMARY KEY, name TEXT NOT NULL);
CREATE TABLE class_members(class INTEGER, position INTEGER, name TEXT NOT NULL, type INTEGER NOT NULL,
  description TEXT NOT NULL, PRIMARY KEY(class, position));
CREATE TABLE tags(number INTEGER PRIMARY KEY, name TEXT NOT NULL, kind INTEGER NOT NULL, type INTEGER NOT NULL,
  size INTEGER NOT NULL, description TEXT NOT NULL, scope INTEGER NOT NULL);
CREATE TABLE variables(tag INTEGER, member INTEGER, flags INTEGER NOT NULL, host INTEGER NOT NULL,
  param_flags INTEGER NOT NULL, eng_min REAL NOT NULL, eng_max REAL NOT NULL, dead_band REAL NOT NULL,
  unit TEXT NOT NULL, startup TEXT NOT NULL, PRIMARY KEY(tag, member));
CREATE TABLE elements(tag INTEGER, member INTEGER, element INTEGER, flags INTEGER NOT NULL, host INTEGER NOT NULL,
  log_dead_band REAL NOT NULL, PRIMARY KEY(tag, member, element));
CREATE TABLE alarm_infos(tag INTEGER, member INTEGER, element INTEGER, flags INTEGER NOT NULL,
  dead_band REAL NOT NULL, deviation_dead_band REAL NOT NULL, deviation_setpoint TEXT NOT NULL,
  remote_ack TEXT NOT NULL, on_text TEXT NOT NULL, off_text TEXT NOT NULL, ack_text TEXT NOT NULL,
  PRIMARY KEY(tag, member, element));
CREATE TABLE alarm_types(tag INTEGER, member INTEGER, element INTEGER, position INTEGER, flags INTEGER NOT NULL,
  message TEXT NOT NULL, selection TEXT NOT NULL, limit_value REAL NOT NULL,
  PRIMARY KEY(tag, member, element, position));
CREATE TABLE messages(seq INTEGER PRIMARY KEY, task TEXT NOT NULL, message INTEGER NOT NULL,
  first INTEGER NOT NULL, second INTEGER NOT NULL);
)sql";

const char* const kRowTables[] = {"variables", "elements", "alarm_infos", "alarm_types"};

ProjectError Corrupt(const std::string& what) { return ProjectError("project.db: " + what); }

template <std::size_t N>
std::u16string_view Field(const WCHAR (&buffer)[N]) {
  return text::FromBuffer(buffer, N);
}

template <std::size_t N>
void SetField(WCHAR (&buffer)[N], std::u16string_view value) {
  std::memset(buffer, 0, sizeof buffer);
  text::CopyTo(value, buffer, static_cast<int>(N));
}

}  // namespace

ProjectStore::ProjectStore(sqlite3* db) : db_(db) {}

ProjectStore::~ProjectStore() {
  for (auto* statement : {&insertTag_, &insertVariable_, &insertElement_, &insertInfo_, &insertType_,
                          &selectVariables_, &selectElements_, &selectInfos_, &selectTypes_}) {
    statement->reset();
  }
  sqlite3_close(db_);
}

std::unique_ptr<ProjectStore> ProjectStore::Create(const std::filesystem::path& file) {
  std::error_code ec;
  if (std::filesystem::exists(file, ec)) throw ProjectError(file.filename().string() + ": already exists");
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  std::unique_ptr<ProjectStore> store(new ProjectStore(db));
  if (rc != SQLITE_OK) throw Corrupt(std::string("cannot be created: ") + sqlite3_errmsg(db));
  Transaction t(*store);
  store->Exec(kSchema);
  store->Exec(("INSERT INTO meta VALUES('schema', " + std::to_string(kSchemaVersion) + ")").c_str());
  t.Commit();
  store->Prepare();
  return store;
}

std::unique_ptr<ProjectStore> ProjectStore::Open(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) throw ProjectError(file.filename().string() + ": not found");
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  std::unique_ptr<ProjectStore> store(new ProjectStore(db));
  if (rc != SQLITE_OK) throw Corrupt(std::string("cannot be opened: ") + sqlite3_errmsg(db));
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, "SELECT value FROM meta WHERE key = 'schema'", -1, &stmt, nullptr) != SQLITE_OK) {
    throw Corrupt(std::string("not a tag database (") + sqlite3_errmsg(db) + ")");
  }
  const bool found = sqlite3_step(stmt) == SQLITE_ROW;
  const int version = found ? sqlite3_column_int(stmt, 0) : 0;
  sqlite3_finalize(stmt);
  if (version != kSchemaVersion) throw Corrupt("unknown database version " + std::to_string(version));
  store->Prepare();
  return store;
}

ProjectStore::Transaction::Transaction(ProjectStore& store) : store_(store) {
  store_.Exec("SAVEPOINT tx");
  ++store_.depth_;
}

ProjectStore::Transaction::~Transaction() {
  if (done_) return;
  --store_.depth_;
  sqlite3_exec(store_.db_, "ROLLBACK TO tx; RELEASE tx", nullptr, nullptr, nullptr);
}

void ProjectStore::Transaction::Commit() {
  store_.Exec("RELEASE tx");
  --store_.depth_;
  done_ = true;
}

void ProjectStore::Exec(const char* sql) {
  char* error = nullptr;
  if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string message = error != nullptr ? error : "unknown error";
    sqlite3_free(error);
    throw Corrupt(message);
  }
}

void ProjectStore::Prepare() {
  insertTag_ = std::make_unique<SqliteStatement>(db_, "INSERT INTO tags VALUES(?,?,?,?,?,?,?)");
  insertVariable_ = std::make_unique<SqliteStatement>(db_, "INSERT INTO variables VALUES(?,?,?,?,?,?,?,?,?,?)");
  insertElement_ = std::make_unique<SqliteStatement>(db_, "INSERT INTO elements VALUES(?,?,?,?,?,?)");
  insertInfo_ = std::make_unique<SqliteStatement>(db_, "INSERT INTO alarm_infos VALUES(?,?,?,?,?,?,?,?,?,?,?)");
  insertType_ = std::make_unique<SqliteStatement>(db_, "INSERT INTO alarm_types VALUES(?,?,?,?,?,?,?,?)");
  selectVariables_ = std::make_unique<SqliteStatement>(
      db_,
      "SELECT member, flags, host, param_flags, eng_min, eng_max, dead_band, unit, startup FROM variables "
      "WHERE tag = ?");
  selectElements_ = std::make_unique<SqliteStatement>(
      db_, "SELECT member, element, flags, host, log_dead_band FROM elements WHERE tag = ?");
  selectInfos_ = std::make_unique<SqliteStatement>(
      db_,
      "SELECT member, element, flags, dead_band, deviation_dead_band, deviation_setpoint, remote_ack, on_text, "
      "off_text, ack_text FROM alarm_infos WHERE tag = ?");
  selectTypes_ = std::make_unique<SqliteStatement>(
      db_,
      "SELECT member, element, flags, message, selection, limit_value FROM alarm_types WHERE tag = ? "
      "ORDER BY member, element, position");
}

void ProjectStore::Load(TagDatabase& database, std::vector<PostedMessage>& messages) {
  try {
    SqliteStatement classes(db_, "SELECT number, name FROM classes ORDER BY number");
    SqliteStatement members(db_, "SELECT name, type, description FROM class_members WHERE class = ? ORDER BY position");
    while (classes.Step()) {
      std::vector<ClassMember> list;
      members.Bind(1, classes.Int(0));
      while (members.Step()) list.push_back({members.Text(0), static_cast<int>(members.Int(1)), members.Text(2)});
      members.Reset();
      if (database.AddClass(classes.Text(1), std::move(list)).number != classes.Int(0)) {
        throw Corrupt("classes are not numbered from 1");
      }
    }
    SqliteStatement tags(db_, "SELECT number, name, kind, type, size, description, scope FROM tags ORDER BY number");
    while (tags.Step()) {
      const auto kind = tags.Int(2);
      if (kind < 0 || kind > 2) throw Corrupt("tag kind out of range");
      const Tag& tag = database.AddStoredTag(static_cast<TagKind>(kind), tags.Text(1), static_cast<int>(tags.Int(3)),
                                             static_cast<int>(tags.Int(4)), tags.Text(5), static_cast<int>(tags.Int(6)));
      if (tag.number != tags.Int(0)) throw Corrupt("tags are not numbered from 1");
    }
  } catch (const std::invalid_argument& e) {
    throw Corrupt(e.what());
  }
  SqliteStatement posted(db_, "SELECT task, message, first, second FROM messages ORDER BY seq");
  while (posted.Step()) {
    messages.push_back({posted.Text(0), static_cast<UINT>(posted.Int(1)), static_cast<DWORD>(posted.Int(2)),
                        static_cast<DWORD>(posted.Int(3))});
  }
  database.SetLoader([this](Tag& tag) { LoadTag(tag); });
}

void ProjectStore::LoadTag(Tag& tag) {
  const std::int64_t number = tag.number;
  const auto elementAt = [&](const SqliteStatement& row, const char* what) {
    const Variable* v = tag.VariableAt(static_cast<DWORD>(row.Int(0)));
    Element* e = v != nullptr ? v->ElementAt(static_cast<int>(row.Int(1))) : nullptr;
    if (e == nullptr) throw Corrupt(std::string(what) + " row of tag " + std::to_string(number) + " names no element");
    return e;
  };

  SqliteStatement& variables = *selectVariables_;
  variables.Reset();
  variables.Bind(1, number);
  while (variables.Step()) {
    Variable* v = tag.VariableAt(static_cast<DWORD>(variables.Int(0)));
    if (v == nullptr) throw Corrupt("a variable row of tag " + std::to_string(number) + " names no member");
    TagDefRecord& def = v->Definition();
    const auto flags = static_cast<DWORD>(variables.Int(1));
    const DWORD shape = TagDefRecord::ArraySize::kMask | TagDefRecord::Structure::kMask;
    if ((flags & shape) != (def.dwFlags & shape)) throw Corrupt("tag " + std::to_string(number) + " has a bad shape");
    def.dwFlags = flags;
    def.dwHost = static_cast<DWORD>(variables.Int(2));
    def.param.dwFlags = static_cast<DWORD>(variables.Int(3));
    def.param.dEngMin = variables.Real(4);
    def.param.dEngMax = variables.Real(5);
    def.param.dDeadBand = variables.Real(6);
    SetField(def.param.szUnit, variables.Text(7));
    v->SetStartup(variables.Text(8));
  }
  variables.Reset();

  SqliteStatement& elements = *selectElements_;
  elements.Reset();
  elements.Bind(1, number);
  while (elements.Step()) {
    VarRecord& r = elementAt(elements, "an element")->Record();
    r.dwFlags = static_cast<DWORD>(elements.Int(2));
    r.dwHost = static_cast<DWORD>(elements.Int(3));
    r.dLogDeadBand = elements.Real(4);
  }
  elements.Reset();

  SqliteStatement& infos = *selectInfos_;
  infos.Reset();
  infos.Bind(1, number);
  while (infos.Step()) {
    Element* e = elementAt(infos, "an alarm");
    AlarmInfoRecord& info = e->AddInfo();
    info.dwFlags = (static_cast<DWORD>(infos.Int(2)) & ~AlarmInfoRecord::TypeCount::kMask) |
                   (info.dwFlags & AlarmInfoRecord::TypeCount::kMask);
    info.dDeadBand = infos.Real(3);
    info.dDeviationDeadBand = infos.Real(4);
    e->SetDeviationSetpoint(infos.Text(5));
    e->SetRemoteAck(infos.Text(6));
    SetField(info.szOnText, infos.Text(7));
    SetField(info.szOffText, infos.Text(8));
    SetField(info.szAckText, infos.Text(9));
  }
  infos.Reset();

  SqliteStatement& types = *selectTypes_;
  types.Reset();
  types.Bind(1, number);
  while (types.Step()) {
    Element* e = elementAt(types, "an alarm type");
    const auto flags = static_cast<DWORD>(types.Int(2));
    const DWORD code = AlarmTypeRecord::TypeCode::Get(flags);
    AlarmTypeRecord* entry = e->Info() != nullptr && e->FindType(code) == nullptr ? e->AddType(code) : nullptr;
    if (entry == nullptr) throw Corrupt("an alarm type row of tag " + std::to_string(number) + " does not fit");
    entry->dwFlags = flags;
    e->SetTypeMessage(code, types.Text(3));
    e->SetTypeSelection(code, types.Text(4));
    entry->dLimit = types.Real(5);
  }
  types.Reset();
}

void ProjectStore::InsertClass(const TagClass& tagClass) {
  Transaction t(*this);
  SqliteStatement cls(db_, "INSERT INTO classes VALUES(?,?)");
  cls.Bind(1, std::int64_t{tagClass.number}).Bind(2, std::u16string_view(tagClass.name)).Run();
  SqliteStatement member(db_, "INSERT INTO class_members VALUES(?,?,?,?,?)");
  for (std::size_t i = 0; i < tagClass.members.size(); ++i) {
    const ClassMember& m = tagClass.members[i];
    member.Bind(1, std::int64_t{tagClass.number})
        .Bind(2, static_cast<std::int64_t>(i + 1))
        .Bind(3, std::u16string_view(m.name))
        .Bind(4, std::int64_t{m.type})
        .Bind(5, std::u16string_view(m.description))
        .Run();
  }
  t.Commit();
}

void ProjectStore::InsertTag(const Tag& tag) {
  Transaction t(*this);
  insertTag_->Bind(1, std::int64_t{tag.number})
      .Bind(2, std::u16string_view(tag.name))
      .Bind(3, std::int64_t{static_cast<int>(tag.kind)})
      .Bind(4, std::int64_t{tag.type})
      .Bind(5, std::int64_t{tag.Size()})
      .Bind(6, std::u16string_view(tag.description))
      .Bind(7, std::int64_t{tag.scope})
      .Run();
  for (DWORD m = 0; m <= tag.members.size(); ++m) {
    const Variable& v = *tag.VariableAt(m);
    InsertVariable(tag, m, v);
    for (int i = 0; i < v.ElementCount(); ++i) InsertElement(tag, m, i, *v.ElementAt(i));
  }
  t.Commit();
}

void ProjectStore::InsertVariable(const Tag& tag, DWORD member, const Variable& v) {
  const TagDefRecord& def = v.Definition();
  insertVariable_->Bind(1, std::int64_t{tag.number})
      .Bind(2, std::int64_t{member})
      .Bind(3, std::int64_t{def.dwFlags})
      .Bind(4, std::int64_t{def.dwHost})
      .Bind(5, std::int64_t{def.param.dwFlags})
      .Bind(6, def.param.dEngMin)
      .Bind(7, def.param.dEngMax)
      .Bind(8, def.param.dDeadBand)
      .Bind(9, Field(def.param.szUnit))
      .Bind(10, std::u16string_view(v.Startup()))
      .Run();
}

void ProjectStore::InsertElement(const Tag& tag, DWORD member, int index, const Element& element) {
  const VarRecord& r = element.Record();
  insertElement_->Bind(1, std::int64_t{tag.number})
      .Bind(2, std::int64_t{member})
      .Bind(3, std::int64_t{index})
      .Bind(4, std::int64_t{r.dwFlags})
      .Bind(5, std::int64_t{r.dwHost})
      .Bind(6, r.dLogDeadBand)
      .Run();
  const AlarmInfoRecord* info = element.Info();
  if (info == nullptr) return;
  insertInfo_->Bind(1, std::int64_t{tag.number})
      .Bind(2, std::int64_t{member})
      .Bind(3, std::int64_t{index})
      .Bind(4, std::int64_t{info->dwFlags})
      .Bind(5, info->dDeadBand)
      .Bind(6, info->dDeviationDeadBand)
      .Bind(7, Element::Text(info->deviationSetpoint))
      .Bind(8, Element::Text(info->remoteAck))
      .Bind(9, Field(info->szOnText))
      .Bind(10, Field(info->szOffText))
      .Bind(11, Field(info->szAckText))
      .Run();
  const DWORD count = info->Get<AlarmInfoRecord::TypeCount>();
  for (DWORD i = 0; i < count; ++i) {
    const AlarmTypeRecord& type = info->pTypes[i];
    insertType_->Bind(1, std::int64_t{tag.number})
        .Bind(2, std::int64_t{member})
        .Bind(3, std::int64_t{index})
        .Bind(4, std::int64_t{i})
        .Bind(5, std::int64_t{type.dwFlags})
        .Bind(6, Element::Text(type.message))
        .Bind(7, Field(type.szSelection))
        .Bind(8, type.dLimit)
        .Run();
  }
}

void ProjectStore::DeleteRows(const Tag& tag, DWORD firstMember, int firstElement) {
  for (const char* table : kRowTables) {
    const bool hasElement = std::strcmp(table, "variables") != 0;
    if (!hasElement && firstElement > 0) continue;
    const std::string sql = std::string("DELETE FROM ") + table + " WHERE tag = ? AND member >= ?" +
                            (hasElement ? " AND element >= ?" : "");
    SqliteStatement del(db_, sql.c_str());
    del.Bind(1, std::int64_t{tag.number}).Bind(2, std::int64_t{firstMember});
    if (hasElement) del.Bind(3, std::int64_t{firstElement});
    del.Run();
  }
}

void ProjectStore::CommitTag(const Tag& tag) {
  Transaction t(*this);
  SqliteStatement del(db_, "DELETE FROM tags WHERE number = ?");
  del.Bind(1, std::int64_t{tag.number}).Run();
  DeleteRows(tag, 0, 0);
  InsertTag(tag);
  t.Commit();
}

void ProjectStore::WriteDescription(const Tag& tag) {
  SqliteStatement update(db_, "UPDATE tags SET description = ? WHERE number = ?");
  update.Bind(1, std::u16string_view(tag.description)).Bind(2, std::int64_t{tag.number}).Run();
}

void ProjectStore::WriteScope(const Tag& tag) {
  SqliteStatement update(db_, "UPDATE tags SET scope = ? WHERE number = ?");
  update.Bind(1, std::int64_t{tag.scope}).Bind(2, std::int64_t{tag.number}).Run();
}

void ProjectStore::UpdateFlags(const char* table, const Tag& tag, DWORD member, DWORD mask, DWORD bits) {
  const std::string sql = std::string("UPDATE ") + table + " SET flags = (flags & ?) | ? WHERE tag = ? AND member = ?";
  SqliteStatement update(db_, sql.c_str());
  update.Bind(1, std::int64_t{~mask})
      .Bind(2, std::int64_t{bits & mask})
      .Bind(3, std::int64_t{tag.number})
      .Bind(4, std::int64_t{member})
      .Run();
}

void ProjectStore::WriteType(const Tag& tag, bool membersRebuilt, bool selfElementsRebuilt) {
  Transaction t(*this);
  SqliteStatement update(db_, "UPDATE tags SET type = ? WHERE number = ?");
  update.Bind(1, std::int64_t{tag.type}).Bind(2, std::int64_t{tag.number}).Run();
  const Variable& self = *tag.self;
  const DWORD defMask = TagDefRecord::BaseType::kMask | TagDefRecord::Structure::kMask;
  UpdateFlags("variables", tag, 0, defMask, self.Definition().dwFlags);
  if (selfElementsRebuilt) {
    DeleteRows(tag, 0, 0);
    InsertVariable(tag, 0, self);
    for (int i = 0; i < self.ElementCount(); ++i) InsertElement(tag, 0, i, *self.ElementAt(i));
  } else {
    UpdateFlags("elements", tag, 0, VarRecord::BaseType::kMask, self.Definition().Get<TagDefRecord::BaseType>());
  }
  if (membersRebuilt) {
    DeleteRows(tag, 1, 0);
    for (DWORD m = 1; m <= tag.members.size(); ++m) {
      const Variable& v = *tag.VariableAt(m);
      InsertVariable(tag, m, v);
      for (int i = 0; i < v.ElementCount(); ++i) InsertElement(tag, m, i, *v.ElementAt(i));
    }
  }
  t.Commit();
}

void ProjectStore::WriteSize(const Tag& tag, int oldSize) {
  Transaction t(*this);
  SqliteStatement update(db_, "UPDATE tags SET size = ? WHERE number = ?");
  update.Bind(1, std::int64_t{tag.Size()}).Bind(2, std::int64_t{tag.number}).Run();
  for (DWORD m = 0; m <= tag.members.size(); ++m) {
    const Variable& v = *tag.VariableAt(m);
    UpdateFlags("variables", tag, m, TagDefRecord::ArraySize::kMask, v.Definition().dwFlags);
  }
  DeleteRows(tag, 0, tag.Size() + 1);
  for (DWORD m = 0; m <= tag.members.size(); ++m) {
    const Variable& v = *tag.VariableAt(m);
    for (int i = oldSize + 1; i < v.ElementCount(); ++i) InsertElement(tag, m, i, *v.ElementAt(i));
  }
  t.Commit();
}

void ProjectStore::AppendMessage(const PostedMessage& message) {
  SqliteStatement insert(db_, "INSERT INTO messages(task, message, first, second) VALUES(?,?,?,?)");
  insert.Bind(1, std::u16string_view(message.task))
      .Bind(2, std::int64_t{message.message})
      .Bind(3, std::int64_t{message.first})
      .Bind(4, std::int64_t{message.second})
      .Run();
}

}  // namespace hostsim
